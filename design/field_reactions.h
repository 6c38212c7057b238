// SPDX-License-Identifier: GPL-3.0-or-later
// The reactions of the input fields, of the test button and of Clear on the
// fields (the buttons themselves are in design_commands.h).
// Every entry point here handles its own failures: nothing is thrown out of
// a reaction, so a window toolkit may call them from its signal handlers.
#ifndef SPULIX_DESIGN_FIELD_REACTIONS_H_
#define SPULIX_DESIGN_FIELD_REACTIONS_H_

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
// The fields' part of Clear (ClearDesign): empties all 29 fields in the
// fixed order (each change runs its reaction), then writes the status text.
void ClearFields(FieldStore& store);

}  // namespace spulix

#endif  // SPULIX_DESIGN_FIELD_REACTIONS_H_
