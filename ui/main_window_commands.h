// SPDX-License-Identifier: GPL-3.0-or-later
// Wires the toolbar buttons, menu items, table links and diagram buttons of
// the main window to the commands they run.
#ifndef SPULIX_UI_MAIN_WINDOW_COMMANDS_H_
#define SPULIX_UI_MAIN_WINDOW_COMMANDS_H_

#include "design/field_store.h"

class QWidget;

namespace spulix {

// Finds the controls of form1 by object name and connects each to its
// command. Controls that are missing are skipped. The secondary windows the
// commands open are kept by an object owned by form1.
void ConnectCommands(QWidget* form1, FieldStore& store);

}  // namespace spulix

#endif  // SPULIX_UI_MAIN_WINDOW_COMMANDS_H_
