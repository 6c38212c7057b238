// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/extra_secondaries.h"

#include <cmath>
#include <span>

#include "design/design_calculation.h"
#include "design/memory_store.h"
#include "design/sheet/sheet_numbers.h"
#include "design/sheet/winding_sheet.h"
#include "design/transformer_design.h"

namespace spulix::sheet {

using F = Field;

std::vector<ExtraValues> ReadExtras(const SheetChoices& choices) {
  std::vector<ExtraValues> extras;
  const std::span<const Secondary> list = choices.secondaries.extras();
  for (std::size_t k = 0; k < list.size(); ++k) {
    const Secondary& extra = list[k];
    const auto named = [k](const char* pattern) {
      return [k, pattern] {
        return kWindingSheetTexts.Say(pattern, {WindingName(k + 2)});
      };
    };
    const double u =
        Number(extra.voltage, named(SPULIX_TEXT("WindingSheet", "%1 的电压")),
               Source::kTyped, Need::kPositive);
    const double i =
        Number(extra.current, named(SPULIX_TEXT("WindingSheet", "%1 的电流")),
               Source::kTyped, Need::kPositive);
    extras.push_back({u, i});
  }
  return extras;
}

FieldTexts Electrical(const FieldTexts& design,
                      const std::vector<ExtraValues>& extras) {
  if (extras.empty()) return design;
  double total = Input(design, F::kOutputPower);
  for (const ExtraValues& extra : extras) {
    total += extra.voltage_v * extra.current_a;
  }
  if (!std::isfinite(total)) Stop(OutOfRange());
  MemoryStore copy;
  copy.LoadTexts(design);
  copy.RestoreText(F::kOutputPower, FormatGeneral(total));
  // Only the calculation writes H: still empty after the run means it
  // stopped early.
  copy.RestoreText(F::kCoilThickness, "");
  CalculateDesign(copy);
  if (!copy.messages().empty()) {
    Stop(CalculationNotice(copy.messages()));
  }
  if (IsEmptyField(copy, F::kCoilThickness)) {
    Stop(kWindingSheetTexts.Say(SPULIX_TEXT(
        "WindingSheet", "计算中途停止（数值超出范围），没有得出线包厚度 H")));
  }
  return CopyTexts(copy);
}

}  // namespace spulix::sheet
