// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/main_window_commands.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QWidget>

#include "ui/language/language.h"
#include "ui/language/translated_text.h"
#include "ui/main_window/calculator_launcher.h"
#include "ui/output/window_printer.h"
#include "ui/reference/secondary_windows.h"
#include "ui/selection/selection_windows.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/widgets/sharp_pictures.h"

namespace spulix {
namespace {

// Captions are translated under this context.
constexpr const char* kContext = "MainWindowCommands";

QAction* MakeAction(QObject* owner, const char* name, const char* caption,
                    const char* icon = nullptr) {
  auto* action = new QAction(owner);
  action->setObjectName(QString::fromLatin1(name));
  if (*caption != '\0') SetTranslatedText(action, kContext, caption);
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
  c.open_design =
      MakeAction(owner, "OpenDesign",
                 QT_TRANSLATE_NOOP("MainWindowCommands", "打开设计…"));
  c.open_design->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
  c.save_design = MakeAction(
      owner, "SaveDesign", QT_TRANSLATE_NOOP("MainWindowCommands", "保存设计"));
  c.save_design->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  c.save_design_as =
      MakeAction(owner, "SaveDesignAs",
                 QT_TRANSLATE_NOOP("MainWindowCommands", "另存为…"));
  c.save_design_as->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  c.export_report =
      MakeAction(owner, "ExportReport",
                 QT_TRANSLATE_NOOP("MainWindowCommands", "导出报告 (PDF)…"));
  // Not Ctrl+E, which a line edit on X11 takes for the end of the line.
  c.export_report->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+E")));
  c.export_drawing =
      MakeAction(owner, "ExportDrawing",
                 QT_TRANSLATE_NOOP("MainWindowCommands", "导出绕制图 (SVG)…"));
  c.print =
      MakeAction(owner, "DY", QT_TRANSLATE_NOOP("MainWindowCommands", "打印"),
                 ":/icons/print.png");
  c.exit =
      MakeAction(owner, "tc", QT_TRANSLATE_NOOP("MainWindowCommands", "退出"),
                 ":/icons/exit.png");
  c.clear =
      MakeAction(owner, "QK", QT_TRANSLATE_NOOP("MainWindowCommands", "清空"),
                 ":/icons/clear.png");
  c.refresh =
      MakeAction(owner, "SX", QT_TRANSLATE_NOOP("MainWindowCommands", "刷新"),
                 ":/icons/refresh.png");
  c.query = MakeAction(owner, "query",
                       QT_TRANSLATE_NOOP("MainWindowCommands", "查询"),
                       ":/icons/query.png");
  c.calculator = MakeAction(owner, "calculator",
                            QT_TRANSLATE_NOOP("MainWindowCommands", "计算器"),
                            ":/icons/calculator.png");
  c.about = MakeAction(owner, "ABORT",
                       QT_TRANSLATE_NOOP("MainWindowCommands", "关于"),
                       ":/icons/about.png");
  c.efficiency_table =
      MakeAction(owner, "XLB",
                 QT_TRANSLATE_NOOP("MainWindowCommands", "变压器效率表...η"));
  c.coefficient_table =
      MakeAction(owner, "XSB",
                 QT_TRANSLATE_NOOP("MainWindowCommands", "额定功率系数表...K"));
  c.flux_density_table = MakeAction(
      owner, "MDB", QT_TRANSLATE_NOOP("MainWindowCommands", "磁通密度表...Bm"));
  c.stacking_table = MakeAction(
      owner, "JXXS", QT_TRANSLATE_NOOP("MainWindowCommands", "间隙系数...Kc"));
  c.help = MakeAction(owner, "HELP",
                      QT_TRANSLATE_NOOP("MainWindowCommands", "帮助"));
  c.show_diagram = MakeAction(owner, "showDiagram", "");
  c.hide_diagram = MakeAction(owner, "hideDiagram", "");
  c.core_fit_check =
      MakeAction(owner, "coreFitCheck",
                 QT_TRANSLATE_NOOP("MainWindowCommands", "？铁心是否可用"));
  c.sample_design = MakeAction(owner, "sampleDesign",
                               QT_TRANSLATE_NOOP("MainWindowCommands", "测试"));
  c.standard_cores = MakeAction(
      owner, "BZTX", QT_TRANSLATE_NOOP("MainWindowCommands", "标准铁心…"));
  c.standard_wires = MakeAction(
      owner, "BZQBX", QT_TRANSLATE_NOOP("MainWindowCommands", "标准漆包线…"));
  c.winding_sheet = MakeAction(
      owner, "RZD", QT_TRANSLATE_NOOP("MainWindowCommands", "绕制单…"));
  // Each language by its own name, the same in both.
  c.chinese = MakeAction(owner, "LanguageChinese", "");
  c.chinese->setText(QStringLiteral("中文"));
  c.english = MakeAction(owner, "LanguageEnglish", "");
  c.english->setText(QStringLiteral("English"));
  for (QAction* language : {c.chinese, c.english}) {
    language->setCheckable(true);
  }
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
  auto press = [&on, &store, choices = targets.choices](QAction* action,
                                                        DesignButton button) {
    on(action, [&store, choices, button] {
      PressDesignButton(store, *choices, button);
    });
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
  const auto choose = [&on](QAction* action, Language language) {
    on(action, [language] {
      SaveLanguage(language);
      ApplyLanguage(language);
    });
  };
  choose(commands.chinese, Language::kChinese);
  choose(commands.english, Language::kEnglish);
  on(commands.winding_sheet,
     [selection = targets.selection] { selection->OpenSheet(); });
}

}  // namespace spulix
