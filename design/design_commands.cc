// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/design_commands.h"

#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/field_reactions.h"

namespace spulix {

void ClearDesign(FieldStore& store, SheetChoices& choices) {
  ClearFields(store);
  ClearSheetChoices(choices);
}

std::optional<DesignButton> DesignButtonByName(std::string_view name) {
  for (const DesignButtonName& entry : kDesignButtonNames) {
    if (entry.name == name) return entry.button;
  }
  return std::nullopt;
}

void PressDesignButton(FieldStore& store, SheetChoices& choices,
                       DesignButton button) {
  switch (button) {
    case DesignButton::kFitCheck:
      Command5_Click(store);
      return;
    case DesignButton::kTest:
      Command9_Click(store);
      return;
    case DesignButton::kRefresh:
      CalculateDesign(store);
      return;
    case DesignButton::kClear:
      ClearDesign(store, choices);
      return;
  }
}

}  // namespace spulix
