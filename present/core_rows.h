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
#include "design/user_text.h"

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
  std::string stack_ratio;     // b / a of its calculated stack, or kNoValue
  std::optional<bool> builds;  // none where the sheet gave no coil
  // The coil fits, but the stack is taller than a bobbin takes.
  bool stack_too_tall = false;
  bool smallest_buildable = false;
};

// Why a core whose coil fits does not build, marked in the context
// CoreSelection.
inline constexpr const char* kStackTooTallText =
    SPULIX_TEXT("CoreSelection", "迭厚超过舌宽的 2 倍");

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
