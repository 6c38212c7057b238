// SPDX-License-Identifier: GPL-3.0-or-later
// How the wound transformer runs at a given load: the figures the winding
// sheet gives at full load and the load curves give at every other load,
// from one set of formulas so that the two always agree.
#ifndef SPULIX_DESIGN_SHEET_RUNNING_FIGURES_H_
#define SPULIX_DESIGN_SHEET_RUNNING_FIGURES_H_

namespace spulix {

// The copper loss of a winding carrying `current_a` through its hot
// resistance.
double CopperLoss(double current_a, double r75_ohm);

// Output over output plus losses; 0 without output.
double Efficiency(double output_w, double copper_loss_w, double iron_loss_w);

// The rise above ambient of a naturally cooled transformer losing `loss_w`
// through `surface_cm2` of outer surface: an estimate from a surface-loading
// fit, not a thermal model.
double TemperatureRise(double loss_w, double surface_cm2);

// A secondary's terminal voltage: the primary voltage less the drop in the
// primary's resistance, transformed by the turns ratio, less the drop in the
// secondary's own resistance. Leakage reactance is left out.
double LoadedVoltage(double primary_v, double primary_a, double primary_r75_ohm,
                     double turns_ratio, double current_a, double r75_ohm);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_RUNNING_FIGURES_H_
