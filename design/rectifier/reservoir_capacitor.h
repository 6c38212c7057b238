// SPDX-License-Identifier: GPL-3.0-or-later
// A DC load's defaults where the user gives none: the reservoir capacitor
// for about 10 % ripple and the forward drop of a silicon diode.
#ifndef SPULIX_DESIGN_RECTIFIER_RESERVOIR_CAPACITOR_H_
#define SPULIX_DESIGN_RECTIFIER_RESERVOIR_CAPACITOR_H_

#include <array>
#include <optional>

namespace spulix {

// One diode's forward drop at its working current, volts.
inline constexpr double kDefaultDiodeDropV = 0.8;

// The peak-to-peak ripple the default capacitor aims at, as a fraction of
// the DC voltage.
inline constexpr double kDefaultRippleFraction = 0.1;

// The E6 series within one decade: capacitors are sold in these steps.
inline constexpr std::array<double, 6> kE6Series = {1.0, 1.5, 2.2,
                                                    3.3, 4.7, 6.8};

// The smallest E6 value in µF at or above Idc / (2 f × ripple × Udc) farads,
// the capacitor that charges twice per mains cycle and sags by the ripple in
// between; none unless both figures are positive and finite.
std::optional<double> DefaultCapacitanceUf(double udc_v, double idc_a);

// The smallest E6 value at or above `uf` (positive and finite).
double NextE6Uf(double uf);

}  // namespace spulix

#endif  // SPULIX_DESIGN_RECTIFIER_RESERVOIR_CAPACITOR_H_
