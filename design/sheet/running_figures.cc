// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/running_figures.h"

#include <cmath>

namespace spulix {
namespace {

// Surface-loading fit for naturally cooled transformers: rise in kelvin from
// the losses per cm² of outer surface.
constexpr double kRiseFactor = 450;
constexpr double kRiseExponent = 0.826;

}  // namespace

double CopperLoss(double current_a, double r75_ohm) {
  return current_a * current_a * r75_ohm;
}

double Efficiency(double output_w, double copper_loss_w, double iron_loss_w) {
  if (!(output_w > 0)) return 0;
  return output_w / (output_w + copper_loss_w + iron_loss_w);
}

double TemperatureRise(double loss_w, double surface_cm2) {
  return kRiseFactor * std::pow(loss_w / surface_cm2, kRiseExponent);
}

double LoadedVoltage(double primary_v, double primary_a, double primary_r75_ohm,
                     double turns_ratio, double current_a, double r75_ohm) {
  const double primary_after_drop = primary_v - primary_a * primary_r75_ohm;
  return primary_after_drop * turns_ratio - current_a * r75_ohm;
}

}  // namespace spulix
