// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/sheet_numbers.h"

#include <cmath>

namespace spulix::sheet {

UserText OutOfRange() {
  return kWindingSheetTexts.Say(
      SPULIX_TEXT("WindingSheet", "数值超出范围，无法计算绕制单"));
}

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

int Count(double value) {
  if (!(std::fabs(value) <= kMaxCount)) Stop(OutOfRange());
  return static_cast<int>(value);
}

int Turns(const FieldTexts& design, Field field) {
  const double turns = CalculatedNumber(design, field, Need::kNotNegative);
  if (turns != std::floor(turns)) {
    Stop(kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 不是整数"),
                                {Named(field)}));
  }
  return Count(turns);
}

}  // namespace spulix::sheet
