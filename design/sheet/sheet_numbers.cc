// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/sheet_numbers.h"

#include <cmath>
#include <optional>

#include "design/design_calculation.h"
#include "design/transformer_design.h"

namespace spulix::sheet {

UserText OutOfRange(const UserText& what) {
  return kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1超出范围"),
                                {what});
}

UserText Quantity(const char* name) { return kWindingSheetTexts.Say(name); }

UserText Figure(int value) { return Verbatim(std::to_string(value)); }

UserText Named(Field field) {
  const FieldInfo& info = InfoOf(field);
  return kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1（%2）"),
                                {Verbatim(info.symbol), FullCaptionText(info)});
}

void CheckNumber(const std::string& text, const std::optional<double>& value,
                 const UserText& name, Source source, Need need) {
  if (IsEmptyText(text)) {
    Stop(source == Source::kTyped
             ? kWindingSheetTexts.Say(
                   SPULIX_TEXT("WindingSheet", "请先输入 %1"), {name})
             : kWindingSheetTexts.Say(
                   SPULIX_TEXT("WindingSheet", "缺少%1，请先计算（刷新）"),
                   {name}));
  }
  if (!value) {
    Stop(kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1“%2”不是数字"),
                                {name, Verbatim(text)}));
  }
  if (need == Need::kPositive && !(*value > 0)) {
    Stop(kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 必须大于 0"),
                                {name}));
  }
  if (need == Need::kNotNegative && *value < 0) {
    Stop(kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 不能小于 0"),
                                {name}));
  }
}

double Input(const FieldTexts& design, Field field, Need need) {
  return Number(
      design[field], [field] { return Named(field); }, Source::kTyped, need);
}

double CalculatedNumber(const FieldTexts& design, Field field, Need need) {
  return Number(
      design[field], [field] { return Named(field); }, Source::kCalculated,
      need);
}

int Count(double value, const UserText& what) {
  if (!(std::fabs(value) <= kMaxCount)) {
    Stop(OutOfRange(
        kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1（%2）"),
                               {what, Verbatim(FormatGeneral(value))})));
  }
  return static_cast<int>(value);
}

int Turns(const FieldTexts& design, Field field) {
  const double turns = CalculatedNumber(design, field, Need::kNotNegative);
  if (turns != std::floor(turns)) {
    Stop(kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 不是整数"),
                                {Named(field)}));
  }
  return Count(turns, Named(field));
}

int LargestOutputPower() {
  static const int largest = [] {
    for (int watts = 1000; watts > 0; --watts) {
      const std::optional<double> efficiency = EfficiencyFor(watts);
      if (!efficiency) continue;
      const double p1 = InputPowerFor(watts, *efficiency);
      if (CoefficientFor(RatedPowerFor(p1, watts))) return watts;
    }
    return 0;
  }();
  return largest;
}

// Beyond its table of core sections (1000 W of rated power) the
// calculation empties P2 and runs again without it, which leaves a rated
// power of 0, as a calculation run before P2 was typed does. The fields
// cannot tell the two apart, so the sheet asks for P2 with the limit.
void StopAtPowerLimit(const FieldTexts& design) {
  if (!ReadStrictOrNone(design[Field::kRatedPower])) return;
  Stop(kWindingSheetTexts.Say(
      SPULIX_TEXT("WindingSheet",
                  "请输入 P2（变压器输出功率）：额定功率超过 1000 瓦时主窗口会"
                  "清空 P2，P2 最大约 %1 瓦"),
      {Figure(LargestOutputPower())}));
}

}  // namespace spulix::sheet
