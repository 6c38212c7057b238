// SPDX-License-Identifier: GPL-3.0-or-later
// What the sheet tells of a winding that feeds a rectifier: the load as it
// was read (the defaults filled in) and the rectifier simulated on the
// winding as wound.
#ifndef SPULIX_DESIGN_SHEET_DC_FIGURES_H_
#define SPULIX_DESIGN_SHEET_DC_FIGURES_H_

#include <variant>

#include "design/rectifier/dc_load.h"
#include "design/rectifier/rectifier_simulation.h"
#include "design/user_text.h"

namespace spulix {

struct DcWindingFigures {
  DcLoad load;
  bool default_capacitance = false;  // C was left empty: the E6 rule's
  bool default_drop = false;         // Vf was left empty
  // The steady state on the winding as the sheet wound it, or why none.
  std::variant<RectifierSteadyState, UserText> result;
};

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_DC_FIGURES_H_
