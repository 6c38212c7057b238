// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons that act on the whole design: the fit check, the sample
// design, one calculation and Clear. The window's buttons and menu items,
// spulix-calc's scripts, the browser page and the fuzzers press them here,
// by the same names, so they cannot come to do different things.
#ifndef SPULIX_DESIGN_DESIGN_COMMANDS_H_
#define SPULIX_DESIGN_DESIGN_COMMANDS_H_

#include <array>
#include <optional>
#include <string_view>

#include "design/design.h"
#include "design/field_store.h"

namespace spulix {

// Clear: empties the 29 fields in their fixed order (each change runs its
// reaction), writes the status text, then clears the sheet's choices as
// ClearSheetChoices does.
void ClearDesign(FieldStore& store, SheetChoices& choices);

enum class DesignButton { kFitCheck, kTest, kRefresh, kClear };
struct DesignButtonName {
  std::string_view name;  // the control's or the menu item's
  DesignButton button;
};
inline constexpr std::array<DesignButtonName, 6> kDesignButtonNames{{
    {"Command5", DesignButton::kFitCheck},
    {"Command9", DesignButton::kTest},
    {"Command2", DesignButton::kRefresh},
    {"SX", DesignButton::kRefresh},
    {"Command3", DesignButton::kClear},
    {"QK", DesignButton::kClear},
}};
std::optional<DesignButton> DesignButtonByName(std::string_view name);

// Runs the button's reaction; only Clear touches the choices.
void PressDesignButton(FieldStore& store, SheetChoices& choices,
                       DesignButton button);

}  // namespace spulix

#endif  // SPULIX_DESIGN_DESIGN_COMMANDS_H_
