// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window_commands.h"

#include <QApplication>
#include <QMetaMethod>
#include <QWidget>
#include <functional>
#include <utility>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "ui/calculator_launcher.h"
#include "ui/secondary_windows.h"
#include "ui/window_printer.h"

namespace spulix {
namespace {

enum class Command {
  kPrint,
  kExit,
  kClear,
  kRefresh,
  kQuery,
  kCalculator,
  kAbout,
  kEfficiencyTable,
  kCoefficientTable,
  kFluxDensityTable,
  kStackingTable,
  kHelp,
  kShowDiagram,
  kHideDiagram,
};

struct Binding {
  const char* control;  // object name of a button, menu item or link label
  Command command;
};

// Every control that runs a command; a command reached from two controls
// appears twice and runs the same code for both.
constexpr Binding kBindings[] = {
    {"Command4", Command::kPrint},
    {"DY", Command::kPrint},
    {"Command1", Command::kExit},
    {"tc", Command::kExit},
    {"Command3", Command::kClear},
    {"QK", Command::kClear},
    {"Command2", Command::kRefresh},
    {"SX", Command::kRefresh},
    {"Command6", Command::kQuery},
    {"Command12", Command::kCalculator},
    {"Command7", Command::kAbout},
    {"ABORT", Command::kAbout},
    {"Label69", Command::kEfficiencyTable},
    {"XLB", Command::kEfficiencyTable},
    {"Label71", Command::kCoefficientTable},
    {"XSB", Command::kCoefficientTable},
    {"Label72", Command::kFluxDensityTable},
    {"MDB", Command::kFluxDensityTable},
    {"Label73", Command::kStackingTable},
    {"JXXS", Command::kStackingTable},
    {"HELP", Command::kHelp},
    {"Command10", Command::kShowDiagram},
    {"Command11", Command::kHideDiagram},
};

// The signals that mean "the user clicked this control", by kind.
constexpr const char* kClickSignals[] = {"clicked()", "triggered()"};

// Forwards a parameterless signal of any control to a command.
class CommandRelay : public QObject {
  Q_OBJECT

 public:
  CommandRelay(std::function<void()> run, QObject* parent)
      : QObject(parent), run_(std::move(run)) {}

 public slots:
  void Run() { run_(); }

 private:
  std::function<void()> run_;
};

void SetVisible(QWidget* form1, const char* name, bool visible) {
  if (auto* widget = form1->findChild<QWidget*>(QString::fromUtf8(name))) {
    widget->setVisible(visible);
  }
}

void ToggleReferencePanel(QWidget* form1) {
  if (auto* panel = form1->findChild<QWidget*>(QStringLiteral("Frame4"))) {
    panel->setVisible(panel->isHidden());
  }
}

// The two diagram buttons share one rectangle; the order of the steps keeps
// exactly one of them visible.
void ShowDiagram(QWidget* form1, bool show) {
  SetVisible(form1, "Command11", show);
  SetVisible(form1, "Command10", !show);
  SetVisible(form1, "Picture1", show);
  for (const char* caption : {"Label63", "Label64", "Label65"}) {
    SetVisible(form1, caption, show);
  }
}

void ExitProgram() {
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

std::function<void()> MakeCommand(Command command, QWidget* form1,
                                  FieldStore& store,
                                  SecondaryWindows* windows) {
  auto open = [windows](SecondaryWindow which) {
    return [windows, which] { windows->Open(which); };
  };
  switch (command) {
    case Command::kPrint:
      return [form1, &store] { PrintWindow(form1, store); };
    case Command::kExit:
      return ExitProgram;
    case Command::kClear:
      return [&store] { ClearDesign(store); };
    case Command::kRefresh:
      return [&store] { CalculateDesign(store); };
    case Command::kQuery:
      return [form1] { ToggleReferencePanel(form1); };
    case Command::kCalculator:
      return [] { StartCalculator(); };
    case Command::kAbout:
      return open(SecondaryWindow::kAbout);
    case Command::kEfficiencyTable:
      return open(SecondaryWindow::kEfficiency);
    case Command::kCoefficientTable:
      return open(SecondaryWindow::kCoefficient);
    case Command::kFluxDensityTable:
      return open(SecondaryWindow::kFluxDensity);
    case Command::kStackingTable:
      return open(SecondaryWindow::kStacking);
    case Command::kHelp:
      return open(SecondaryWindow::kHelp);
    case Command::kShowDiagram:
      return [form1] { ShowDiagram(form1, true); };
    case Command::kHideDiagram:
      return [form1] { ShowDiagram(form1, false); };
  }
  return [] {};
}

QObject* FindControl(QWidget* form1, const char* name) {
  const QString object_name = QString::fromUtf8(name);
  // Menu items may be owned by their menus, which live outside the widget
  // tree of a plain window, so actions are looked for everywhere below it.
  for (QObject* child : form1->findChildren<QObject*>(object_name)) {
    const QMetaObject* meta = child->metaObject();
    for (const char* signal : kClickSignals) {
      if (meta->indexOfSignal(signal) >= 0) return child;
    }
  }
  return nullptr;
}

}  // namespace

void ConnectCommands(QWidget* form1, FieldStore& store) {
  if (form1 == nullptr) return;
  auto* windows = new SecondaryWindows(form1);
  windows->setObjectName(QStringLiteral("SecondaryWindows"));
  const int run_slot = CommandRelay::staticMetaObject.indexOfSlot("Run()");
  const QMetaMethod run = CommandRelay::staticMetaObject.method(run_slot);
  for (const Binding& binding : kBindings) {
    QObject* control = FindControl(form1, binding.control);
    if (control == nullptr) continue;
    const QMetaObject* meta = control->metaObject();
    for (const char* signal_name : kClickSignals) {
      const int index = meta->indexOfSignal(signal_name);
      if (index < 0) continue;
      auto* relay = new CommandRelay(
          MakeCommand(binding.command, form1, store, windows), control);
      QObject::connect(control, meta->method(index), relay, run);
      break;
    }
  }
}

}  // namespace spulix

#include "main_window_commands.moc"
