// SPDX-License-Identifier: GPL-3.0-or-later
// 次级1 with a DC load: the U2 and P2 that make the winding give Udc at Idc,
// found by the note's iteration with the design recalculated and wound by
// the sheet in every round, on the design's core or, without one, on the
// core recommended for that round's figures. The fields are never changed
// here; a front-end puts U2 and P2 in (the button, spulix-calc --dc).
#ifndef SPULIX_DESIGN_SHEET_MAIN_DC_LOAD_H_
#define SPULIX_DESIGN_SHEET_MAIN_DC_LOAD_H_

#include <string>
#include <variant>
#include <vector>

#include "design/design.h"
#include "design/parts/core_catalogue.h"
#include "design/rectifier/dc_load_solver.h"
#include "design/sheet/dc_figures.h"
#include "design/user_text.h"

namespace spulix {

struct MainDcSolution {
  std::string u2_text;       // one decimal, end to end: "52.9"
  std::string p2_text;       // whole watts, round(U2 × Iw): "348"
  double winding_rms_a = 0;  // Iw, each half's for a centre-tapped winding
  DcWindingFigures figures;  // the last round's steady state
  std::string core;          // the core wound on: "h c a" or its name
  int rounds = 0;
};

using MainDcOutcome = std::variant<MainDcSolution, UserText>;

// The design's texts with U2 and P2 typed in order, their reactions run.
FieldTexts WithU2AndP2(const FieldTexts& design, const std::string& u2,
                       const std::string& p2);

// Solves 次级1's DC load of `choices` (not kAc); `cores` for a design
// without h, c and a. Calls the sheet at most kMaxDcRounds times (times
// the cores tried). Never throws.
MainDcOutcome SolveMainDcLoad(const FieldTexts& design,
                              const SheetChoices& choices,
                              const std::vector<CoreEntry>& cores);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_MAIN_DC_LOAD_H_
