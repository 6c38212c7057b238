// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/sheet_wires.h"

#include <cmath>
#include <optional>

#include "design/design_calculation.h"
#include "design/parts/wire_table.h"
#include "design/sheet/sheet_numbers.h"
#include "design/transformer_design.h"

namespace spulix::sheet {

// Calls the calculation's own turns step; its range failure is the sheet's.
int SecondaryTurns(double turns_per_volt, double volts, bool center_tapped) {
  try {
    return SecondaryTurnsFor(turns_per_volt, volts, center_tapped);
  } catch (const FieldFailure&) {
    Stop(OutOfRange(
        kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 伏绕组的匝数"),
                               {Verbatim(FormatGeneral(volts))})));
  }
}

// The calculation's own wire step, on the current as a field would hold it
// (two decimals).
std::string WireDiameterForLoad(double current_a) {
  try {
    return WireDiameterFor(
        ReadStrict(FormatPattern(current_a, Pattern::kTwoDecimals)));
  } catch (const FieldFailure&) {
    Stop(OutOfRange(
        kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "电流 %1 安的线径"),
                               {Verbatim(FormatGeneral(current_a))})));
  }
}

UserText GradeName(int grade) {
  return grade == 1
             ? kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "一级"))
             : kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "二级"));
}

WireChoice ChooseWire(const UserText& name, const std::string& d_text) {
  const std::optional<double> d = ReadStrictOrNone(d_text);
  if (!d || !(*d > 0)) {
    Stop(kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet", "%1：线径“%2”不是大于 0 的数字"),
        {name, Verbatim(d_text)}));
  }
  if (auto wire = NextStandardWire(*d)) return {*wire, 1};
  const double largest = StandardWires().back().nominal_mm;
  for (int strands = 2; strands <= kMaxStrands; ++strands) {
    const double each = *d / std::sqrt(static_cast<double>(strands));
    if (each <= largest) return {*NextStandardWire(each), strands};
  }
  Stop(kWindingSheetTexts.Say(
      SPULIX_TEXT("WindingSheet",
                  "%1：线径 %2 毫米没有合适的标准漆包线（并绕超过 %3 股）"),
      {name, Verbatim(d_text), Figure(kMaxStrands)}));
}

}  // namespace spulix::sheet
