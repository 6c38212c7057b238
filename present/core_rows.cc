// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/core_rows.h"

#include "design/transformer_design.h"
#include "present/json_number.h"

namespace spulix {
namespace {

std::string TwoDecimals(const std::optional<double>& mm) {
  return mm ? FormatPattern(*mm, Pattern::kTwoDecimals) : kNoValue;
}

}  // namespace

CoreRow CoreRowOf(const CoreCatalogue& catalogue,
                  const CoreSelection& selection,
                  const SheetCoreSelection& by_sheet, std::size_t index) {
  const CoreEntry& core = catalogue.cores()[index];
  const CoreResult& result = selection.results[index];
  const SheetCoreResult& built = by_sheet.results[index];
  CoreRow row;
  row.core = &core;
  row.a = DimensionText(core.a_mm);
  row.c = DimensionText(core.c_mm);
  row.h = DimensionText(core.h_mm);
  row.coil = result.margin_mm ? result.coil_thickness : kNoValue;
  row.margin = TwoDecimals(result.margin_mm);
  row.verdict = result.verdict;
  row.smallest_fit = selection.smallest_fit == index;
  row.sheet_coil = TwoDecimals(built.coil_mm);
  row.stack_ratio = TwoDecimals(built.stack_ratio);
  if (built.coil_mm) row.builds = built.builds;
  row.stack_too_tall = built.coil_fits && !built.builds;
  row.smallest_buildable = by_sheet.smallest_buildable == index;
  return row;
}

nlohmann::ordered_json CoresJson(const CoreCatalogue& catalogue,
                                 const CoreSelection& selection,
                                 const SheetCoreSelection& by_sheet) {
  nlohmann::ordered_json cores = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < catalogue.cores().size(); ++i) {
    const CoreRow row = CoreRowOf(catalogue, selection, by_sheet, i);
    const CoreResult& result = selection.results[i];
    nlohmann::ordered_json entry;
    entry["name"] = row.core->name;
    entry["a"] = row.a;
    entry["c"] = row.c;
    entry["h"] = row.h;
    if (result.verdict == CoreVerdict::kUnknown) {
      entry["H"] = nullptr;
    } else {
      entry["H"] = result.coil_thickness;
    }
    entry["fits"] = result.fits();
    entry["coil"] = JsonNumber(by_sheet.results[i].coil_mm);
    entry["builds"] = by_sheet.results[i].builds;
    entry["stack_ratio"] = JsonNumber(by_sheet.results[i].stack_ratio);
    cores.push_back(std::move(entry));
  }
  return cores;
}

}  // namespace spulix
