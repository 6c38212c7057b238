// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/load_curve.h"

#include <cmath>

#include "design/sheet/running_figures.h"

namespace spulix {

LoadPoint RunAtLoad(const WindingSheet& sheet, double load) {
  LoadPoint point;
  point.load = load;
  if (sheet.windings.empty()) return point;
  const SheetWinding& primary = sheet.windings.front();
  const double primary_a = load * primary.current_a;
  // Summed in the sheet's order, so that full load gives its very figure.
  for (const SheetWinding& w : sheet.windings) {
    point.copper_loss_w += CopperLoss(load * w.current_a, w.r75_ohm);
  }
  point.output_w = load * sheet.output_w;
  point.efficiency =
      Efficiency(point.output_w, point.copper_loss_w, sheet.iron_loss_w);
  point.rise_k = TemperatureRise(point.copper_loss_w + sheet.iron_loss_w,
                                 sheet.surface_cm2);
  for (std::size_t k = 1; k < sheet.windings.size(); ++k) {
    const SheetWinding& w = sheet.windings[k];
    const double ratio = static_cast<double>(w.turns) / primary.turns;
    point.secondary_v.push_back(LoadedVoltage(primary.voltage_v, primary_a,
                                              primary.r75_ohm, ratio,
                                              load * w.current_a, w.r75_ohm));
  }
  return point;
}

std::vector<LoadPoint> LoadCurve(const WindingSheet& sheet) {
  const int last = static_cast<int>(std::lround(kLastLoad * kLoadStepsPerUnit));
  std::vector<LoadPoint> curve;
  curve.reserve(last + 1);
  // Divided rather than summed, so that 1.0 is exactly full load.
  for (int step = 0; step <= last; ++step) {
    curve.push_back(
        RunAtLoad(sheet, static_cast<double>(step) / kLoadStepsPerUnit));
  }
  return curve;
}

}  // namespace spulix
