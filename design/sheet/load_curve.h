// SPDX-License-Identifier: GPL-3.0-or-later
// The wound transformer from no load to overload: every secondary loaded
// at the same fraction of its rated current, run through the sheet's own
// formulas (running_figures.h). The primary current is taken in proportion
// to the load, the magnetising current left out; the rise is the sheet's
// estimate for natural cooling.
#ifndef SPULIX_DESIGN_SHEET_LOAD_CURVE_H_
#define SPULIX_DESIGN_SHEET_LOAD_CURVE_H_

#include <vector>

#include "design/sheet/winding_sheet.h"

namespace spulix {

struct LoadPoint {
  double load = 0;  // fraction of every secondary's rated current
  double output_w = 0;
  double copper_loss_w = 0;
  double efficiency = 0;
  double rise_k = 0;
  std::vector<double> secondary_v;  // 次级1 first, on this load
};

// The steps of the curve: 0, 0.05, ... up to kLastLoad.
inline constexpr int kLoadStepsPerUnit = 20;
inline constexpr double kLastLoad = 1.25;

// The transformer of `sheet` at `load`.
LoadPoint RunAtLoad(const WindingSheet& sheet, double load);

// RunAtLoad at every step from no load to kLastLoad.
std::vector<LoadPoint> LoadCurve(const WindingSheet& sheet);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_LOAD_CURVE_H_
