// SPDX-License-Identifier: GPL-3.0-or-later
// The full design calculation: from the typed inputs to every result.
#ifndef SPULIX_DESIGN_DESIGN_CALCULATION_H_
#define SPULIX_DESIGN_DESIGN_CALCULATION_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/field_store.h"
#include "design/user_text.h"

namespace spulix {

// The engine's messages, its fit check's verdicts and its status line text
// are marked in the context DesignMessage.
inline constexpr const char* kMessageEnterNumber =
    SPULIX_TEXT("DesignMessage", "请输入数字");
inline constexpr const char* kMessageEnterInputVoltage =
    SPULIX_TEXT("DesignMessage", "请输入输入电压！");
inline constexpr const char* kMessageEnterOutputVoltage =
    SPULIX_TEXT("DesignMessage", "请输入输出电压！");

// A message or status text the engine gave a store, to be translated.
UserText MessageText(std::string_view message);
// Why a run's results cannot be used: the messages it showed, joined.
UserText CalculationNotice(const std::vector<std::string>& messages);

// Efficiency chosen by the output power, or none for P2 <= 0.
std::optional<double> EfficiencyFor(double p2);
// The calculation's steps from P2 to the rated power, for whoever must know
// the rated power without calculating: P1 = P2 / η rounded whole (halves to
// even), P = (P1 + P2) / 2. Throw as the calculation's own steps do.
std::int32_t InputPowerFor(double p2, double efficiency);
double RatedPowerFor(double p1, double p2);
// Rated-power coefficient chosen by the rated power, or none outside
// 0 < P <= 1000.
std::optional<double> CoefficientFor(double p);

// The calculation's step for a secondary's turns: N0 x U x 1.05, rounded to
// a whole number (halves to even). A centre-tapped winding rounds each half
// and has twice that. ArithmeticFault beyond the 16-bit range.
int SecondaryTurnsFor(double turns_per_volt, double volts,
                      bool center_tapped = false);

// The calculation's step for a winding's wire: the text of the diameter
// sqrt(I) x 0.715 mm, with two decimals. ArithmeticFault for a negative
// current.
std::string WireDiameterFor(double current_a);

// Runs the whole calculation, build-up included. A TypeMismatch anywhere
// empties P2 (which runs a nested calculation) and then shows "请输入数字";
// an ArithmeticFault ends the run silently. Never throws.
void CalculateDesign(FieldStore& store);

}  // namespace spulix

#endif  // SPULIX_DESIGN_DESIGN_CALCULATION_H_
