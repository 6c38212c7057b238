// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/load_curve.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <variant>

#include "design/rectifier/rectifier_simulation.h"
#include "design/sheet/dc_winding.h"
#include "design/sheet/running_figures.h"

namespace spulix {
namespace {

// A secondary at one load: its current and, for a DC winding, the DC
// voltage it gives (its AC terminal voltage is no sine to speak of).
struct SecondaryAtLoad {
  double current_a = 0;
  std::optional<double> dc_v;
};

// The winding's rectifier run again at `load` times its DC current; its
// RMS current follows the simulation, scaled so full load gives the
// sheet's own current. None where the rectifier does not settle there.
std::optional<SecondaryAtLoad> DcAtLoad(const WindingSheet& sheet,
                                        std::size_t index, double load) {
  const SheetWinding& w = sheet.windings[index];
  const auto* full = std::get_if<RectifierSteadyState>(&w.dc->result);
  if (full == nullptr) return std::nullopt;
  if (load == 1) return SecondaryAtLoad{w.current_a, full->vdc_v};
  const WindingSource source = SourceOf(sheet, index);
  if (load == 0) {
    // Unloaded, the reservoir charges to the peak of the path's EMF.
    const ChargingPath path = PathOf(w.dc->load.kind, source);
    return SecondaryAtLoad{
        0, std::numbers::sqrt2 * path.emf_v - PathDropV(w.dc->load)};
  }
  DcLoad at = w.dc->load;
  at.idc_a *= load;
  const RectifierOutcome outcome = SimulateRectifier(at, source);
  const auto* state = std::get_if<RectifierSteadyState>(&outcome);
  if (state == nullptr || !(full->winding_rms_a > 0)) return std::nullopt;
  return SecondaryAtLoad{
      w.current_a * state->winding_rms_a / full->winding_rms_a, state->vdc_v};
}

bool HasDcWinding(const WindingSheet& sheet) {
  for (const SheetWinding& w : sheet.windings) {
    if (w.dc) return true;
  }
  return false;
}

}  // namespace

std::optional<LoadPoint> RunAtLoad(const WindingSheet& sheet, double load) {
  LoadPoint point;
  point.load = load;
  if (sheet.windings.empty()) return point;
  const SheetWinding& primary = sheet.windings.front();
  std::vector<SecondaryAtLoad> secondaries;
  double rated_va = 0;
  double loaded_va = 0;
  for (std::size_t k = 1; k < sheet.windings.size(); ++k) {
    const SheetWinding& w = sheet.windings[k];
    SecondaryAtLoad at{load * w.current_a, std::nullopt};
    if (w.dc) {
      const std::optional<SecondaryAtLoad> dc = DcAtLoad(sheet, k, load);
      if (!dc) return std::nullopt;
      at = *dc;
    }
    rated_va += w.voltage_v * w.current_a;
    loaded_va += w.voltage_v * at.current_a;
    secondaries.push_back(at);
  }
  // The primary carries what the secondaries draw. With AC loads alone
  // that is `load` itself, kept exact so full load is the sheet's figure.
  const double share =
      HasDcWinding(sheet) && rated_va > 0 ? loaded_va / rated_va : load;
  const double primary_a = share * primary.current_a;
  // Summed in the sheet's order, so that full load gives its very figure.
  point.copper_loss_w += CopperLoss(primary_a, primary.r75_ohm);
  for (std::size_t k = 1; k < sheet.windings.size(); ++k) {
    point.copper_loss_w +=
        CopperLoss(secondaries[k - 1].current_a, sheet.windings[k].r75_ohm);
  }
  point.output_w = share * sheet.output_w;
  point.efficiency =
      Efficiency(point.output_w, point.copper_loss_w, sheet.iron_loss_w);
  point.rise_k = TemperatureRise(point.copper_loss_w + sheet.iron_loss_w,
                                 sheet.surface_cm2);
  for (std::size_t k = 1; k < sheet.windings.size(); ++k) {
    const SheetWinding& w = sheet.windings[k];
    const SecondaryAtLoad& at = secondaries[k - 1];
    const double ratio = static_cast<double>(w.turns) / primary.turns;
    point.secondary_v.push_back(
        at.dc_v ? *at.dc_v
                : LoadedVoltage(primary.voltage_v, primary_a, primary.r75_ohm,
                                ratio, at.current_a, w.r75_ohm));
  }
  return point;
}

std::vector<LoadPoint> LoadCurve(const WindingSheet& sheet) {
  const int last = static_cast<int>(std::lround(kLastLoad * kLoadStepsPerUnit));
  std::vector<LoadPoint> curve;
  curve.reserve(last + 1);
  // Divided rather than summed, so that 1.0 is exactly full load.
  for (int step = 0; step <= last; ++step) {
    std::optional<LoadPoint> point =
        RunAtLoad(sheet, static_cast<double>(step) / kLoadStepsPerUnit);
    // A rectifier that cannot carry more ends the curve.
    if (!point) break;
    curve.push_back(std::move(*point));
  }
  return curve;
}

}  // namespace spulix
