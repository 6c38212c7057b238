// SPDX-License-Identifier: GPL-3.0-or-later
// The cores judged for a design, as the core window's table, spulix-calc's
// table and its JSON show them: the same cells in every front-end.
#ifndef SPULIX_PRESENT_CORE_ROWS_H_
#define SPULIX_PRESENT_CORE_ROWS_H_

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "design/parts/core_catalogue.h"
#include "design/parts/core_selection.h"
#include "design/sheet/core_search.h"

namespace spulix {

// "—", where a cell has no value.
inline constexpr const char* kNoValue = "—";

// One core's cells; texts are the numbers as the tables print them.
struct CoreRow {
  const CoreEntry* core = nullptr;
  std::string a, c, h;
  std::string coil;    // H by the calculation, or kNoValue
  std::string margin;  // c − H, or kNoValue
  CoreVerdict verdict = CoreVerdict::kUnknown;
  bool smallest_fit = false;
  std::string sheet_coil;      // the coil as the sheet winds it, or kNoValue
  std::optional<bool> builds;  // none where the sheet gave no coil
  bool smallest_buildable = false;
};

// The row of core `index`, judged by both rules.
CoreRow CoreRowOf(const CoreCatalogue& catalogue,
                  const CoreSelection& selection,
                  const SheetCoreSelection& by_sheet, std::size_t index);

// Every core as spulix-calc's "cores" array.
nlohmann::ordered_json CoresJson(const CoreCatalogue& catalogue,
                                 const CoreSelection& selection,
                                 const SheetCoreSelection& by_sheet);

}  // namespace spulix

#endif  // SPULIX_PRESENT_CORE_ROWS_H_
