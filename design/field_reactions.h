// SPDX-License-Identifier: GPL-3.0-or-later
// The reactions of the input fields and the buttons that act on the design.
// Every entry point here handles its own failures: nothing is thrown out of
// a reaction, so a window toolkit may call them from its signal handlers.
#ifndef SPULIX_DESIGN_FIELD_REACTIONS_H_
#define SPULIX_DESIGN_FIELD_REACTIONS_H_

#include <array>
#include <optional>
#include <string_view>

#include "design/field_store.h"
#include "design/user_text.h"

namespace spulix {

// Dispatches a change of a field's text to its reaction (P2, h, c, a have
// one; the others have none). Stores call it from SetText.
void OnFieldChanged(FieldStore& store, Field field);
// Dispatches a double-click: d1 and d2 recompute the build-up.
void OnFieldDoubleClicked(FieldStore& store, Field field);

void Text1_Change(FieldStore& store);  // runs CalculateDesign
void Text5_Change(FieldStore& store);  // h onto the diagram
void Text6_Change(FieldStore& store);  // c onto the diagram
void Text7_Change(FieldStore& store);  // a onto the diagram, then b
void Text16_DblClick(FieldStore& store);
void Text17_DblClick(FieldStore& store);

// The test button: fills the sample design into the ten input fields.
void Command9_Click(FieldStore& store);

// The status text that Clear leaves in Label33.
inline constexpr const char* kClearedStatus =
    SPULIX_TEXT("DesignMessage", "数据已清空！");
// Clear: empties all 29 fields in the fixed order (each change runs its
// reaction), then writes the status text.
void ClearDesign(FieldStore& store);

// The buttons that act on the whole design. The window's buttons and menu
// items and spulix-calc's scripts press them here, by the same names, so
// they cannot come to do different things.
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
// Runs the button's reaction: the fit check, the sample design, one
// calculation or Clear. Clear leaves the winding sheet's choices to their
// owner (ClearSheetChoices).
void PressDesignButton(FieldStore& store, DesignButton button);

}  // namespace spulix

#endif  // SPULIX_DESIGN_FIELD_REACTIONS_H_
