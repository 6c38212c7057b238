// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/extra_secondaries.h"

#include <cmath>
#include <optional>
#include <span>
#include <utility>
#include <variant>

#include "design/design_calculation.h"
#include "design/memory_store.h"
#include "design/sheet/dc_winding.h"
#include "design/sheet/sheet_numbers.h"
#include "design/sheet/winding_sheet.h"
#include "design/transformer_design.h"

namespace spulix::sheet {

using F = Field;

ExtraValues ReadExtra(const Secondary& extra, std::size_t index) {
  const auto named = [index](const char* pattern) {
    return [index, pattern] {
      return kWindingSheetTexts.Say(pattern, {WindingName(index + 2)});
    };
  };
  const double u =
      Number(extra.voltage, named(SPULIX_TEXT("WindingSheet", "%1 的电压")),
             Source::kTyped, Need::kPositive);
  const double i =
      Number(extra.current, named(SPULIX_TEXT("WindingSheet", "%1 的电流")),
             Source::kTyped, Need::kPositive);
  return {u, i};
}

std::vector<ExtraValues> ReadExtras(const SheetChoices& choices) {
  std::vector<ExtraValues> extras;
  const std::span<const Secondary> list = choices.secondaries.extras();
  for (std::size_t k = 0; k < list.size(); ++k) {
    extras.push_back(ReadExtra(list[k], k));
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
  if (!std::isfinite(total)) {
    Stop(OutOfRange(
        Quantity(SPULIX_TEXT("WindingSheet", "所有次级的总输出功率"))));
  }
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

namespace spulix {

ReadableChoices WithoutUnreadableExtras(const SheetChoices& choices) {
  ReadableChoices readable{choices, {}};
  std::vector<Secondary> kept;
  const std::span<const Secondary> extras = choices.secondaries.extras();
  for (std::size_t k = 0; k < extras.size(); ++k) {
    const UserText name = WindingName(k + 2);
    std::optional<UserText> reason;
    if (extras[k].load.kind != LoadKind::kAc) {
      DcLoadRead read = ReadDcLoad(extras[k].load, name);
      if (auto* why = std::get_if<UserText>(&read)) reason = std::move(*why);
    } else {
      try {
        sheet::ReadExtra(extras[k], k);
      } catch (const sheet::CannotCompute& stop) {
        reason = stop.reason;
      }
    }
    if (reason) {
      readable.left_out.push_back(std::move(*reason));
    } else {
      kept.push_back(extras[k]);
    }
  }
  readable.choices.secondaries.SetExtras(std::move(kept));
  return readable;
}

}  // namespace spulix
