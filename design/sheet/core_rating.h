// SPDX-License-Identifier: GPL-3.0-or-later
// The core in hand (这个铁心能做多大): the largest whole output power a
// core gives with the design's voltages, insulation and sheet choices. The
// calculation works in steps (efficiency, section coefficient, whole
// turns), so a coil that fits at one power may not fit at the next lower
// one: every whole watt is tried.
#ifndef SPULIX_DESIGN_SHEET_CORE_RATING_H_
#define SPULIX_DESIGN_SHEET_CORE_RATING_H_

#include <optional>

#include "design/design.h"
#include "design/field_texts.h"
#include "design/parts/core_catalogue.h"
#include "design/user_text.h"

namespace spulix {

struct CoreRating {
  std::optional<int> p2_w;  // none where no whole watt builds
  int largest_tried_w = 0;  // the calculation's table ends above it
  UserText why_none;        // where none builds: the one line to show
};

// Every whole P2 from 1 W up to where the calculation's table ends, with
// the core put in as 使用 does. With the stack as built (choices.stack_mm)
// the coil must fit the window; without it, on each power's calculated
// stack, which must also suit a bobbin.
CoreRating RateCore(const FieldTexts& design, const SheetChoices& choices,
                    const CoreEntry& core);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_CORE_RATING_H_
