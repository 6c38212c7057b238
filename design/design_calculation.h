// SPDX-License-Identifier: GPL-3.0-or-later
// The full design calculation: from the typed inputs to every result.
#ifndef SPULIX_DESIGN_DESIGN_CALCULATION_H_
#define SPULIX_DESIGN_DESIGN_CALCULATION_H_

#include <optional>

#include "design/field_store.h"

namespace spulix {

inline constexpr const char* kMessageEnterNumber = "请输入数字";
inline constexpr const char* kMessageEnterInputVoltage = "请输入输入电压！";
inline constexpr const char* kMessageEnterOutputVoltage = "请输入输出电压！";

// Efficiency chosen by the output power, or none for P2 <= 0.
std::optional<double> EfficiencyFor(double p2);
// Rated-power coefficient chosen by the rated power, or none outside
// 0 < P <= 1000.
std::optional<double> CoefficientFor(double p);

// Runs the whole calculation, build-up included. A TypeMismatch anywhere
// empties P2 (which runs a nested calculation) and then shows "请输入数字";
// an ArithmeticFault ends the run silently. Never throws.
void CalculateDesign(FieldStore& store);

}  // namespace spulix

#endif  // SPULIX_DESIGN_DESIGN_CALCULATION_H_
