// SPDX-License-Identifier: GPL-3.0-or-later
// Cores judged by the winding sheet: each core put into a copy of the
// design as 使用 puts it into the window, then wound by the sheet with the
// design's choices. One search, in the core window's smallest-fit order,
// serves the core window's 实绕 column, the recommended core and
// spulix-calc.
#ifndef SPULIX_DESIGN_SHEET_CORE_SEARCH_H_
#define SPULIX_DESIGN_SHEET_CORE_SEARCH_H_

#include <cstddef>
#include <optional>
#include <vector>

#include "design/design.h"
#include "design/field_texts.h"
#include "design/parts/core_catalogue.h"
#include "design/sheet/winding_sheet.h"

namespace spulix {

// The sheet with one core put in as 使用 does, or why there is none.
SheetOutcome WindingSheetWithCore(const FieldTexts& design,
                                  const SheetChoices& choices,
                                  const CoreEntry& core);

// One core as the sheet winds it.
struct SheetCoreResult {
  std::optional<double> coil_mm;      // none where the sheet gives none
  std::optional<double> stack_ratio;  // b / a of its calculated stack
  bool coil_fits = false;             // the coil fits the window
  bool builds = false;  // and on a stack a bobbin takes (kMaxStackToTongue)
};
struct SheetCoreSelection {
  std::vector<SheetCoreResult> results;  // in catalogue order
  // The first core that builds in the core window's smallest-fit order.
  std::optional<std::size_t> smallest_buildable;
  // Some core gave a sheet: without one the design itself cannot be wound
  // yet (a field missing, a power beyond the table), whatever the core.
  bool some_sheet = false;
};

// How far a search goes: every core, or only until the first that builds
// (the larger cores are then left unjudged).
enum class SearchExtent { kEveryCore, kFirstBuildable };

// The one search: the cores in the smallest-fit order, each judged by the
// sheet on its own calculated stack (a stack as built belongs to the
// design's own core, not to the others). Needs only U1, U2 and P2 of the
// design.
SheetCoreSelection SearchCores(const FieldTexts& design,
                               const SheetChoices& choices,
                               const std::vector<CoreEntry>& cores,
                               SearchExtent extent);

// Every core judged.
SheetCoreSelection JudgeCoresBySheet(const FieldTexts& design,
                                     const SheetChoices& choices,
                                     const std::vector<CoreEntry>& cores);

// The smallest core whose coil fits by the sheet: the same core as
// JudgeCoresBySheet's smallest_buildable, found without trying the larger
// cores.
std::optional<std::size_t> RecommendCore(const FieldTexts& design,
                                         const SheetChoices& choices,
                                         const std::vector<CoreEntry>& cores);

// The recommendation with whether the design could be wound on any core,
// which tells "no core is large enough" from "nothing to wind yet".
struct CoreRecommendation {
  std::optional<std::size_t> core;
  bool design_winds = false;
};
CoreRecommendation RecommendCoreOrWhy(const FieldTexts& design,
                                      const SheetChoices& choices,
                                      const std::vector<CoreEntry>& cores);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_CORE_SEARCH_H_
