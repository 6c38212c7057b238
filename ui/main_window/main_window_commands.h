// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main window, one QAction each: the toolbar buttons,
// menu items, table links and the diagram, core fit and test buttons all
// show and trigger these actions, so two controls of one command cannot
// drift apart and a renamed control cannot silently lose its command.
#ifndef SPULIX_UI_MAIN_WINDOW_MAIN_WINDOW_COMMANDS_H_
#define SPULIX_UI_MAIN_WINDOW_MAIN_WINDOW_COMMANDS_H_

#include <array>

class QAction;
class QObject;
class QWidget;

namespace spulix {

class FieldStore;

// To add a command:
//   1. add a member here;
//   2. create it in CreateCommands (object name, caption, icon);
//   3. say what it runs in ConnectCommands;
//   4. hand it to its controls: MainWindow::BuildMenus adds it to a menu
//      (menu->addAction(commands_.open_design)), a ControlRow of
//      window_layout.cc names it for a button or link
//      (&MainWindowCommands::open_design).
struct MainWindowCommands {
  QAction* open_design = nullptr;         // menu 文件: Ctrl+O
  QAction* save_design = nullptr;         // Ctrl+S
  QAction* save_design_as = nullptr;      // Ctrl+Shift+S
  QAction* export_report = nullptr;       // the PDF report
  QAction* export_drawing = nullptr;      // the coil drawn to scale, SVG
  QAction* print = nullptr;               // toolbar Command4, menu DY
  QAction* exit = nullptr;                // Command1, tc
  QAction* clear = nullptr;               // Command3, QK
  QAction* refresh = nullptr;             // Command2, SX
  QAction* query = nullptr;               // Command6: the table-link panel
  QAction* calculator = nullptr;          // Command12
  QAction* about = nullptr;               // Command7, ABORT
  QAction* efficiency_table = nullptr;    // link Label69, XLB
  QAction* coefficient_table = nullptr;   // link Label71, XSB
  QAction* flux_density_table = nullptr;  // link Label72, MDB
  QAction* stacking_table = nullptr;      // link Label73, JXXS
  QAction* help = nullptr;                // HELP
  QAction* show_diagram = nullptr;        // Command10
  QAction* hide_diagram = nullptr;        // Command11
  QAction* core_fit_check = nullptr;      // Command5
  QAction* sample_design = nullptr;       // Command9
  QAction* standard_cores = nullptr;      // menu 选型: BZTX
  QAction* standard_wires = nullptr;      // menu 选型: BZQBX
  QAction* winding_sheet = nullptr;       // menu 选型: RZD
  QAction* chinese = nullptr;             // menu 帮助 › 语言 / Language
  QAction* english = nullptr;
};

// Creates every action, owned by `owner`, with its caption and icon; menu
// items keep their names (DY, tc, ...) as the actions' object names.
MainWindowCommands CreateCommands(QObject* owner);

class DesignSheetChoices;
class SelectionWindows;

// What the commands act on.
struct CommandTargets {
  QWidget* window = nullptr;  // printed by Print; owns the secondary windows
  FieldStore* store = nullptr;
  DesignSheetChoices* choices = nullptr;   // the design's, cleared by Clear
  QWidget* link_panel = nullptr;           // Frame4
  QWidget* show_diagram_button = nullptr;  // Command10
  QWidget* hide_diagram_button = nullptr;  // Command11
  // Picture1, then the captions around it in the order they are shown.
  std::array<QWidget*, 4> diagram{};
  SelectionWindows* selection = nullptr;  // the windows of the menu 选型
};

// Connects each action to what it does.
void ConnectCommands(const MainWindowCommands& commands,
                     const CommandTargets& targets);

}  // namespace spulix

#endif  // SPULIX_UI_MAIN_WINDOW_MAIN_WINDOW_COMMANDS_H_
