// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/core_search.h"

#include <variant>

#include "design/memory_store.h"
#include "design/parts/core_selection.h"

namespace spulix {

SheetOutcome WindingSheetWithCore(const FieldTexts& design,
                                  const SheetChoices& choices,
                                  const CoreEntry& core) {
  MemoryStore store;
  if (auto failure = TryCore(store, design, core)) return *failure;
  return ComputeWindingSheet(store.texts(), choices);
}

SheetCoreSelection SearchCores(const FieldTexts& design,
                               const SheetChoices& choices,
                               const std::vector<CoreEntry>& cores,
                               SearchExtent extent) {
  SheetCoreSelection selection;
  selection.results.resize(cores.size());
  SheetChoices calculated_stack = choices;
  calculated_stack.stack_mm.clear();
  MemoryStore store;
  for (std::size_t i : SmallestFitOrder(cores)) {
    if (TryCore(store, design, cores[i])) continue;
    const SheetOutcome outcome = ComputeWindingSheet(
        store.texts(), calculated_stack, SheetDetail::kCoil);
    const auto* sheet = std::get_if<WindingSheet>(&outcome);
    if (sheet == nullptr) continue;
    selection.some_sheet = true;
    selection.results[i] = {sheet->coil_mm, sheet->StackRatio(), sheet->fits,
                            sheet->Builds()};
    if (sheet->Builds() && !selection.smallest_buildable) {
      selection.smallest_buildable = i;
      if (extent == SearchExtent::kFirstBuildable) break;
    }
  }
  return selection;
}

SheetCoreSelection JudgeCoresBySheet(const FieldTexts& design,
                                     const SheetChoices& choices,
                                     const std::vector<CoreEntry>& cores) {
  return SearchCores(design, choices, cores, SearchExtent::kEveryCore);
}

std::optional<std::size_t> RecommendCore(const FieldTexts& design,
                                         const SheetChoices& choices,
                                         const std::vector<CoreEntry>& cores) {
  return SearchCores(design, choices, cores, SearchExtent::kFirstBuildable)
      .smallest_buildable;
}

CoreRecommendation RecommendCoreOrWhy(const FieldTexts& design,
                                      const SheetChoices& choices,
                                      const std::vector<CoreEntry>& cores) {
  const SheetCoreSelection selection =
      SearchCores(design, choices, cores, SearchExtent::kFirstBuildable);
  return {selection.smallest_buildable, selection.some_sheet};
}

}  // namespace spulix
