// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet's turns and wires: the calculation's own steps for a
// secondary's turns and a load's wire diameter (their range failures the
// sheet's), and the standard enamelled wire, or parallel strands of one,
// for a calculated diameter.
#ifndef SPULIX_DESIGN_SHEET_SHEET_WIRES_H_
#define SPULIX_DESIGN_SHEET_SHEET_WIRES_H_

#include <cstddef>
#include <string>

#include "design/user_text.h"

namespace spulix::sheet {

// Parallel strands up to this many; beyond, no standard wire will do.
inline constexpr int kMaxStrands = 16;

int SecondaryTurns(double turns_per_volt, double volts, bool center_tapped);
// On the current as a field would hold it (two decimals).
std::string WireDiameterForLoad(double current_a);
// "一级" or "二级".
UserText GradeName(int grade);

struct WireChoice {
  std::size_t wire = 0;  // StandardWires() index
  int strands = 1;
};
// One strand where a size is large enough, otherwise the fewest strands
// side by side; stops naming the winding where none will do.
WireChoice ChooseWire(const UserText& name, const std::string& d_text);

}  // namespace spulix::sheet

#endif  // SPULIX_DESIGN_SHEET_SHEET_WIRES_H_
