// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/main_window_commands.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QWidget>

#include "design/field_reactions.h"
#include "ui/main_window/calculator_launcher.h"
#include "ui/output/window_printer.h"
#include "ui/reference/secondary_windows.h"
#include "ui/selection/selection_windows.h"
#include "ui/widgets/sharp_pictures.h"

namespace spulix {
namespace {

QAction* MakeAction(QObject* owner, const char* name, const char* caption,
                    const char* icon = nullptr) {
  auto* action = new QAction(QString::fromUtf8(caption), owner);
  action->setObjectName(QString::fromLatin1(name));
  if (icon != nullptr) {
    action->setIcon(SharpIcon(QString::fromLatin1(icon)));
    // The icon is the toolbar button's face; menu items show text only.
    action->setIconVisibleInMenu(false);
  }
  return action;
}

// The two diagram buttons share one rectangle; the order of the steps keeps
// exactly one of them visible.
void ShowDiagram(const CommandTargets& targets, bool show) {
  targets.hide_diagram_button->setVisible(show);
  targets.show_diagram_button->setVisible(!show);
  for (QWidget* part : targets.diagram) part->setVisible(show);
}

void ExitProgram() {
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

}  // namespace

MainWindowCommands CreateCommands(QObject* owner) {
  MainWindowCommands c;
  // What the design file commands run is connected by DesignFileCommands.
  c.open_design = MakeAction(owner, "OpenDesign", "打开设计…");
  c.open_design->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
  c.save_design = MakeAction(owner, "SaveDesign", "保存设计");
  c.save_design->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  c.save_design_as = MakeAction(owner, "SaveDesignAs", "另存为…");
  c.save_design_as->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  c.export_report = MakeAction(owner, "ExportReport", "导出报告 (PDF)…");
  c.print = MakeAction(owner, "DY", "打印", ":/icons/print.png");
  c.exit = MakeAction(owner, "tc", "退出", ":/icons/exit.png");
  c.clear = MakeAction(owner, "QK", "清空", ":/icons/clear.png");
  c.refresh = MakeAction(owner, "SX", "刷新", ":/icons/refresh.png");
  c.query = MakeAction(owner, "query", "查询", ":/icons/query.png");
  c.calculator =
      MakeAction(owner, "calculator", "计算器", ":/icons/calculator.png");
  c.about = MakeAction(owner, "ABORT", "关于", ":/icons/about.png");
  c.efficiency_table = MakeAction(owner, "XLB", "变压器效率表...η");
  c.coefficient_table = MakeAction(owner, "XSB", "额定功率系数表...K");
  c.flux_density_table = MakeAction(owner, "MDB", "磁通密度表...Bm");
  c.stacking_table = MakeAction(owner, "JXXS", "间隙系数...Kc");
  c.help = MakeAction(owner, "HELP", "帮助");
  c.show_diagram = MakeAction(owner, "showDiagram", "");
  c.hide_diagram = MakeAction(owner, "hideDiagram", "");
  c.core_fit_check = MakeAction(owner, "coreFitCheck", "？铁心是否可用");
  c.sample_design = MakeAction(owner, "sampleDesign", "测试");
  c.standard_cores = MakeAction(owner, "BZTX", "标准铁心…");
  c.standard_wires = MakeAction(owner, "BZQBX", "标准漆包线…");
  c.winding_sheet = MakeAction(owner, "RZD", "绕制单…");
  return c;
}

void ConnectCommands(const MainWindowCommands& commands,
                     const CommandTargets& targets) {
  FieldStore& store = *targets.store;
  auto* windows = new SecondaryWindows(targets.window);
  windows->setObjectName(QStringLiteral("SecondaryWindows"));
  auto on = [](QAction* action, auto run) {
    QObject::connect(action, &QAction::triggered, action, run);
  };
  auto open = [&on, windows](QAction* action, SecondaryWindow which) {
    on(action, [windows, which] { windows->Open(which); });
  };
  auto press = [&on, &store](QAction* action, DesignButton button) {
    on(action, [&store, button] { PressDesignButton(store, button); });
  };

  press(commands.core_fit_check, DesignButton::kFitCheck);
  press(commands.sample_design, DesignButton::kTest);
  press(commands.refresh, DesignButton::kRefresh);
  press(commands.clear, DesignButton::kClear);
  on(commands.print,
     [window = targets.window, &store] { PrintWindow(window, store); });
  on(commands.exit, ExitProgram);
  on(commands.query,
     [panel = targets.link_panel] { panel->setVisible(panel->isHidden()); });
  on(commands.calculator, [] { StartCalculator(); });
  open(commands.about, SecondaryWindow::kAbout);
  open(commands.efficiency_table, SecondaryWindow::kEfficiency);
  open(commands.coefficient_table, SecondaryWindow::kCoefficient);
  open(commands.flux_density_table, SecondaryWindow::kFluxDensity);
  open(commands.stacking_table, SecondaryWindow::kStacking);
  open(commands.help, SecondaryWindow::kHelp);
  on(commands.show_diagram, [targets] { ShowDiagram(targets, true); });
  on(commands.hide_diagram, [targets] { ShowDiagram(targets, false); });
  on(commands.standard_cores,
     [selection = targets.selection] { selection->OpenCores(); });
  on(commands.standard_wires,
     [selection = targets.selection] { selection->OpenWires(); });
  on(commands.winding_sheet,
     [selection = targets.selection] { selection->OpenSheet(); });
}

}  // namespace spulix
