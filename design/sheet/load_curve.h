// SPDX-License-Identifier: GPL-3.0-or-later
// The wound transformer from no load to overload: every secondary loaded
// at the same fraction of its rated current, run through the sheet's own
// formulas (running_figures.h). A winding feeding a rectifier has its
// rectifier simulated again at that fraction of its DC current: its RMS
// current follows, and its voltage on the curve is the DC voltage. The
// primary current follows the secondaries' volt-amperes, the magnetising
// current left out; the rise is the sheet's estimate for natural cooling.
#ifndef SPULIX_DESIGN_SHEET_LOAD_CURVE_H_
#define SPULIX_DESIGN_SHEET_LOAD_CURVE_H_

#include <optional>
#include <vector>

#include "design/sheet/winding_sheet.h"

namespace spulix {

struct LoadPoint {
  double load = 0;  // fraction of every secondary's rated current
  double output_w = 0;
  double copper_loss_w = 0;
  double efficiency = 0;
  double rise_k = 0;
  // 次级1 first, on this load: the terminal voltage, or for a DC winding
  // the mean DC voltage.
  std::vector<double> secondary_v;
};

// The steps of the curve: 0, 0.05, ... up to kLastLoad.
inline constexpr int kLoadStepsPerUnit = 20;
inline constexpr double kLastLoad = 1.25;

// The transformer of `sheet` at `load`; none where a rectifier does not
// settle at that load (it cannot carry it).
std::optional<LoadPoint> RunAtLoad(const WindingSheet& sheet, double load);

// RunAtLoad at every step from no load to kLastLoad, ending before the
// first load a rectifier cannot carry.
std::vector<LoadPoint> LoadCurve(const WindingSheet& sheet);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_LOAD_CURVE_H_
