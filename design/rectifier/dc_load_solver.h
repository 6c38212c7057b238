// SPDX-License-Identifier: GPL-3.0-or-later
// From a DC load to the AC figures of the winding that feeds it: the
// winding's voltage and RMS current are found by building the winding with
// a guess, simulating the rectifier on it and correcting the guess, so the
// winding's own resistance is in the loop. How the winding is built is the
// caller's (the winding sheet, with the design's core or the recommended
// one).
#ifndef SPULIX_DESIGN_RECTIFIER_DC_LOAD_SOLVER_H_
#define SPULIX_DESIGN_RECTIFIER_DC_LOAD_SOLVER_H_

#include <functional>
#include <string>
#include <variant>

#include "design/rectifier/dc_load.h"
#include "design/rectifier/rectifier_simulation.h"
#include "design/user_text.h"

namespace spulix {

// The winding's AC figures as a person would type them: U with one decimal
// (end to end for a centre-tapped winding), P2 as a whole number for 次级1,
// and the RMS current (each half's for a centre-tapped winding).
struct WindingRequest {
  std::string voltage_text;  // "20.0"
  double voltage_v = 0;      // its value
  double current_a = 0;
  std::string power_text;  // "77", round(U × I)
};

// The winding built for a request, or the one line why it cannot be.
using WindingBuild = std::variant<WindingSource, UserText>;
using BuildWinding = std::function<WindingBuild(const WindingRequest&)>;

struct DcSolution {
  WindingRequest winding;  // U as used in the last round, I as simulated
  int rounds = 0;
  RectifierSteadyState rectifier;  // the last round's
};

enum class DcSolveFault {
  kWinding,        // the caller could not build the winding
  kRectifier,      // the rectifier could not be simulated on it
  kDoesNotSettle,  // no round met the stopping rule
};

struct DcSolveFailure {
  DcSolveFault fault = DcSolveFault::kDoesNotSettle;
  UserText reason;
  int rounds = 0;  // rounds run, the failing one included
};

using DcSolveOutcome = std::variant<DcSolution, DcSolveFailure>;

inline constexpr int kMaxDcRounds = 30;

// The first guess: U = (Udc + drops) / √2, twice that end to end for a
// centre-tapped winding, and I = 1.8 × Idc.
WindingRequest FirstRequest(const DcLoad& load);

// The request for voltage `u_v` (rounded to one decimal) and current `i_a`.
WindingRequest MakeRequest(double u_v, double i_a);

// P2 of a winding as a whole number of watts, round(U × I).
long long WholeWatts(double u_v, double i_a);

// Rounds until Vdc is within 0.5 % of Udc (or within one turn's peak volts
// where a turn moves Vdc by more) and the simulated RMS current within 1 %
// of the one the winding was built for; each round sets
// U ← U × (Udc + drops) / (Vdc + drops) and I ← the simulated current.
// Calls `build` at most kMaxDcRounds times. Never throws.
DcSolveOutcome SolveDcLoad(const DcLoad& load, const BuildWinding& build);

}  // namespace spulix

#endif  // SPULIX_DESIGN_RECTIFIER_DC_LOAD_SOLVER_H_
