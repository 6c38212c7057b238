// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/core_rating.h"

#include <string>
#include <variant>

#include "design/memory_store.h"
#include "design/parts/core_selection.h"
#include "design/sheet/sheet_numbers.h"
#include "design/sheet/winding_sheet.h"
#include "design/transformer_design.h"

namespace spulix {
namespace {

constexpr TextContext kRatingTexts{"WindingSheet"};

}  // namespace

CoreRating RateCore(const FieldTexts& design, const SheetChoices& choices,
                    const CoreEntry& core) {
  CoreRating rating;
  MemoryStore store;
  store.LoadTexts(design);
  FillCore(store, core);
  const bool stack_given = !IsEmptyText(choices.stack_mm);
  std::optional<UserText> last_reason;
  bool any_sheet = false;
  bool fits_on_a_tall_stack = false;
  // Beyond the calculation's table the rated power has no core section:
  // P2 is emptied, or where a section stands from the last power, kept
  // over a stale one. Either way no sheet there.
  const int most = sheet::LargestOutputPower();
  for (int watts = 1; watts <= most; ++watts) {
    const std::string p2 = std::to_string(watts);
    // Typing P2 runs the calculation.
    store.SetText(Field::kOutputPower, p2);
    if (store.Text(Field::kOutputPower) != p2) break;
    rating.largest_tried_w = watts;
    const SheetOutcome outcome =
        ComputeWindingSheet(store.texts(), choices, SheetDetail::kCoil);
    if (const auto* reason = std::get_if<UserText>(&outcome)) {
      last_reason = *reason;
      continue;
    }
    any_sheet = true;
    const WindingSheet& sheet = std::get<WindingSheet>(outcome);
    if (!sheet.fits) continue;
    if (stack_given || sheet.StackFitsBobbin()) {
      rating.p2_w = watts;
    } else {
      fits_on_a_tall_stack = true;
    }
  }
  if (rating.p2_w) return rating;
  if (fits_on_a_tall_stack) {
    rating.why_none = kRatingTexts.Say(SPULIX_TEXT(
        "WindingSheet",
        "线包放得下，但算出的迭厚都超过舌宽的 2 倍：请填写实际迭厚"));
  } else if (any_sheet) {
    rating.why_none = kRatingTexts.Say(
        SPULIX_TEXT("WindingSheet",
                    "任何功率下线包都放不进窗口 c %1 毫米：对 U1、U2 和这些"
                    "绝缘来说窗口太窄"),
        {Verbatim(FormatGeneral(core.c_mm))});
  } else {
    rating.why_none = last_reason.value_or(
        kRatingTexts.Say(SPULIX_TEXT("WindingSheet", "请先输入 U1 和 U2")));
  }
  return rating;
}

}  // namespace spulix
