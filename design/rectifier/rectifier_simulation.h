// SPDX-License-Identifier: GPL-3.0-or-later
// The capacitor-input rectifier in its steady state: the winding's no-load
// EMF charges the reservoir through the winding's and the referred primary's
// hot resistance and ideal diodes with a constant drop, while the load draws
// a constant current. Leakage inductance is not modelled: it would lower
// Vdc a little and widen the pulses.
#ifndef SPULIX_DESIGN_RECTIFIER_RECTIFIER_SIMULATION_H_
#define SPULIX_DESIGN_RECTIFIER_RECTIFIER_SIMULATION_H_

#include <variant>
#include <vector>

#include "design/rectifier/dc_load.h"
#include "design/user_text.h"

namespace spulix {

// The winding that feeds the rectifier, as the sheet winds it.
struct WindingSource {
  double emf_v = 0;            // no-load EMF end to end, rms
  double r75_ohm = 0;          // the winding end to end, hot
  double primary_r75_ohm = 0;  // the primary, hot
  int turns = 0;               // N, end to end
  int primary_turns = 0;       // N1
};

// What one charging path sees: for a centre-tapped kind, one half.
struct ChargingPath {
  double emf_v = 0;       // rms
  double series_ohm = 0;  // the winding's share plus the primary referred
};
ChargingPath PathOf(RectifierKind kind, const WindingSource& source);

// One instant of the steady half-cycle.
struct RectifierSample {
  double angle_deg = 0;    // 0 to 180
  double source_v = 0;     // |e| less the diode drops; below 0 near 0°, 180°
  double capacitor_v = 0;  // v
  double diode_a = 0;      // the charging current i
};

// Samples over a half-cycle: this many intervals, both ends included.
inline constexpr int kPlotIntervals = 200;

struct RectifierSteadyState {
  double vdc_v = 0;           // mean of v
  double ripple_v = 0;        // max - min of v
  double peak_a = 0;          // the largest diode current
  double conduction_deg = 0;  // of each half-cycle, with i > 0
  double winding_rms_a = 0;   // the whole winding's, or each half's
  double mean_diode_a = 0;    // over the half-cycle
  int half_cycles = 0;        // run before the steady one
  std::vector<RectifierSample> half_cycle;  // kPlotIntervals + 1 samples
};

enum class RectifierFault {
  kBadInput,       // a figure not above 0 (the drop: below 0), or not finite
  kCannotCarry,    // v fell to 0: the winding cannot supply the load
  kNoSteadyState,  // not settled within the half-cycles allowed
};

struct RectifierFailure {
  RectifierFault fault = RectifierFault::kBadInput;
  UserText reason;  // one line, as the sheet's notes
};

using RectifierOutcome = std::variant<RectifierSteadyState, RectifierFailure>;

struct RectifierNumerics {
  // Rounded up to a whole multiple of kPlotIntervals.
  int steps_per_half_cycle = 4000;
  int max_half_cycles = 4000;
};

// Runs whole half-cycles from v = √2 E - drops until v at the end of one
// equals v at its start to 1e-7 of the source's peak, then measures one
// more. Udc of the load is not used. Never throws.
RectifierOutcome SimulateRectifier(const DcLoad& load,
                                   const WindingSource& source,
                                   const RectifierNumerics& numerics = {});

}  // namespace spulix

#endif  // SPULIX_DESIGN_RECTIFIER_RECTIFIER_SIMULATION_H_
