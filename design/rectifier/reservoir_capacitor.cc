// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/rectifier/reservoir_capacitor.h"

#include <cmath>

#include "design/rectifier/dc_load.h"

namespace spulix {
namespace {

// A required value that is an E6 value but for rounding (1000 µF computed
// as 1000.0000001) keeps that value rather than the next one up.
constexpr double kRoundingSlack = 1e-9;

}  // namespace

double NextE6Uf(double uf) {
  const double wanted = uf * (1 - kRoundingSlack);
  double decade = std::pow(10.0, std::floor(std::log10(wanted)));
  for (int pass = 0; pass < 2; ++pass, decade *= 10) {
    for (double step : kE6Series) {
      if (step * decade >= wanted) return step * decade;
    }
  }
  return 10 * decade;  // not reached: 1.0 of the next decade always fits
}

std::optional<double> DefaultCapacitanceUf(double udc_v, double idc_a) {
  if (!(udc_v > 0) || !(idc_a > 0) || !std::isfinite(udc_v) ||
      !std::isfinite(idc_a)) {
    return std::nullopt;
  }
  const double farads =
      idc_a / (2 * kMainsFrequencyHz * kDefaultRippleFraction * udc_v);
  const double uf = farads * 1e6;
  if (!std::isfinite(uf) || !(uf > 0)) return std::nullopt;
  return NextE6Uf(uf);
}

}  // namespace spulix
