// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons of the tool windows (核心, 漆包线, 绕制单): named for the tests
// and the scripts that drive them, texts that follow the language, and
// Enter presses the focused button as in a dialog.
#ifndef SPULIX_UI_WIDGETS_TOOL_BUTTON_H_
#define SPULIX_UI_WIDGETS_TOOL_BUTTON_H_

class QBoxLayout;
class QPushButton;
class QWidget;

namespace spulix {

// A button at the end of `row` (none: placed by the caller); `text` is its
// Chinese source in `context`.
QPushButton* AddToolButton(QBoxLayout* row, const char* context,
                           const char* object_name, const char* text,
                           QWidget* parent);

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_TOOL_BUTTON_H_
