// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the real main window: clicks on its own buttons, links and
// menu items reach the commands and change what the user sees.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <string>
#include <vector>

#include "design/core_fit_check.h"
#include "design/field_reactions.h"
#include "ui/main_window.h"
#include "ui/window_printer.h"

namespace spulix {
namespace {

// The real window with its commands, its messages collected.
class Form1 {
 public:
  Form1() {
    window_.store().SetMessageSink(
        [this](std::string_view text) { messages_.emplace_back(text); });
    window_.show();
  }

  MainWindow& window() { return window_; }
  std::vector<std::string>& messages() { return messages_; }

  template <typename T = QWidget>
  T* Control(const char* name) {
    T* control = window_.findChild<T*>(QString::fromUtf8(name));
    if (control == nullptr) qWarning("no control %s", name);
    return control;
  }

  // A left click in the middle of a visible control, as the user makes it.
  void Click(const char* name) {
    QWidget* control = Control(name);
    QVERIFY(control != nullptr);
    QVERIFY2(control->isVisible(), name);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
  }

  void Choose(const char* item) {
    auto* action = Control<QAction>(item);
    QVERIFY(action != nullptr);
    action->trigger();
  }

  QString Status() { return Control<QLabel>("Label33")->text(); }

 private:
  MainWindow window_;
  std::vector<std::string> messages_;
};

int CountTopLevels(const QString& name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) ++count;
  }
  return count;
}

}  // namespace

class CommandsMainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();
  void everyControlRunsItsCommand();
  void coreFitButtonShowsVerdict();
  void clearEmptiesWindowAndShowsStatus();
  void queryButtonTogglesPanelMenuDoesNot();
  void linksAndMenuItemsOpenOneTableWindow_data();
  void linksAndMenuItemsOpenOneTableWindow();
  void diagramButtonsTakeTurns();
  void printWithoutPrinterShowsMessageOnce();
  void exitEndsProgramWithItsWindows();
};

void CommandsMainWindowTest::initTestCase() {
  qputenv("CUPS_SERVER", "/nonexistent/spulix-test/cups.sock");
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
}

void CommandsMainWindowTest::cleanup() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() != QStringLiteral("Form1")) widget->close();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Each button, link and menu item shows its command's one action, so the
// controls of a command cannot run different code.
void CommandsMainWindowTest::everyControlRunsItsCommand() {
  using C = MainWindowCommands;
  const struct {
    const char* control;
    QAction* C::*command;
  } bindings[] = {
      {"Command4", &C::print},
      {"DY", &C::print},
      {"Command1", &C::exit},
      {"tc", &C::exit},
      {"Command3", &C::clear},
      {"QK", &C::clear},
      {"Command2", &C::refresh},
      {"SX", &C::refresh},
      {"Command6", &C::query},
      {"Command12", &C::calculator},
      {"Command7", &C::about},
      {"ABORT", &C::about},
      {"Label69", &C::efficiency_table},
      {"XLB", &C::efficiency_table},
      {"Label71", &C::coefficient_table},
      {"XSB", &C::coefficient_table},
      {"Label72", &C::flux_density_table},
      {"MDB", &C::flux_density_table},
      {"Label73", &C::stacking_table},
      {"JXXS", &C::stacking_table},
      {"HELP", &C::help},
      {"Command10", &C::show_diagram},
      {"Command11", &C::hide_diagram},
      {"Command5", &C::core_fit_check},
      {"Command9", &C::sample_design},
      {"BZTX", &C::standard_cores},
      {"BZQBX", &C::standard_wires},
      {"RZD", &C::winding_sheet},
  };
  Form1 form;
  for (const auto& binding : bindings) {
    QAction* command = form.window().commands().*binding.command;
    QVERIFY(command != nullptr);
    const QString name = QString::fromLatin1(binding.control);
    if (auto* widget = form.window().findChild<QWidget*>(name)) {
      QVERIFY2(widget->actions() == QList<QAction*>{command}, binding.control);
    } else {
      // A menu item is the action itself, on one of the window's menus.
      QCOMPARE(form.window().findChild<QAction*>(name), command);
      QVERIFY2(!command->associatedObjects().isEmpty(), binding.control);
    }
  }
}

void CommandsMainWindowTest::coreFitButtonShowsVerdict() {
  Form1 form;
  form.Click("Command5");
  QCOMPARE(form.messages(), std::vector<std::string>{kFitIncomplete});
  form.Click("Command9");
  form.Click("Command2");
  form.messages().clear();
  form.Click("Command5");
  QCOMPARE(form.messages(), std::vector<std::string>{kFitOk});
}

void CommandsMainWindowTest::clearEmptiesWindowAndShowsStatus() {
  Form1 form;
  form.Click("Command9");  // the sample design
  form.Click("Command2");  // refresh: every result filled in
  for (int n = 1; n <= kFieldCount; ++n) {
    QVERIFY(!form.window().field(FieldFromNumber(n))->text().isEmpty());
  }
  QVERIFY(form.Status().isEmpty());
  form.messages().clear();

  form.Click("Command3");

  for (int n = 1; n <= kFieldCount; ++n) {
    QVERIFY2(form.window().field(FieldFromNumber(n))->text().isEmpty(),
             qPrintable(QStringLiteral("Text%1").arg(n)));
  }
  for (const char* figure : {"Label66", "Label67", "Label68"}) {
    QCOMPARE(form.Control<QLabel>(figure)->text(), QString());
  }
  QCOMPARE(form.Status(), QString::fromUtf8(kClearedStatus));
  QVERIFY(form.messages().empty());

  // The menu item does the same; a second Clear writes the status again.
  form.Control<QLabel>("Label33")->clear();
  form.Choose("QK");
  QCOMPARE(form.Status(), QString::fromUtf8(kClearedStatus));
}

void CommandsMainWindowTest::queryButtonTogglesPanelMenuDoesNot() {
  Form1 form;
  QWidget* panel = form.Control("Frame4");
  QVERIFY(panel->isHidden());
  form.Click("Command6");
  QVERIFY(panel->isVisible());
  form.Control<QMenu>("CX")->menuAction()->trigger();
  form.Choose("SX");
  QVERIFY(panel->isVisible());
  form.Click("Command6");
  QVERIFY(panel->isHidden());
  form.Control<QMenu>("CX")->menuAction()->trigger();
  QVERIFY(panel->isHidden());
}

void CommandsMainWindowTest::linksAndMenuItemsOpenOneTableWindow_data() {
  QTest::addColumn<QString>("link");
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("window");
  QTest::newRow("efficiency") << "Label69"
                              << "XLB"
                              << "Dialog";
  QTest::newRow("coefficient") << "Label71"
                               << "XSB"
                               << "Dialog1";
  QTest::newRow("flux density") << "Label72"
                                << "MDB"
                                << "Dialog2";
  QTest::newRow("stacking") << "Label73"
                            << "JXXS"
                            << "Dialog3";
}

void CommandsMainWindowTest::linksAndMenuItemsOpenOneTableWindow() {
  QFETCH(QString, link);
  QFETCH(QString, item);
  QFETCH(QString, window);
  Form1 form;
  QVERIFY(QTest::qWaitForWindowExposed(&form.window()));
  form.Click("Command6");
  form.Click(link.toLatin1().constData());
  QCOMPARE(CountTopLevels(window), 1);
  QPointer<QWidget> table;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == window) table = widget;
  }
  QVERIFY(table->isVisible());
  QTRY_VERIFY(table->isActiveWindow());

  form.window().activateWindow();
  QTRY_VERIFY(form.window().isActiveWindow());
  form.Choose(item.toLatin1().constData());
  QCOMPARE(CountTopLevels(window), 1);
  QVERIFY(table);
  QTRY_VERIFY(table->isActiveWindow());
  // The panel stays open while the tables are used.
  QVERIFY(form.Control("Frame4")->isVisible());
}

void CommandsMainWindowTest::diagramButtonsTakeTurns() {
  Form1 form;
  QWidget* picture = form.Control("Picture1");
  QVERIFY(picture->isHidden());
  for (int round = 0; round < 2; ++round) {
    form.Click("Command10");
    QVERIFY(picture->isVisible());
    QVERIFY(form.Control("Command10")->isHidden());
    for (const char* caption : {"Label63", "Label64", "Label65"}) {
      QVERIFY(form.Control(caption)->isVisible());
    }
    form.Click("Command11");
    QVERIFY(picture->isHidden());
    QVERIFY(form.Control("Command11")->isHidden());
    for (const char* caption : {"Label63", "Label64", "Label65"}) {
      QVERIFY(form.Control(caption)->isHidden());
    }
  }
}

void CommandsMainWindowTest::printWithoutPrinterShowsMessageOnce() {
  Form1 form;
  form.Click("Command9");
  form.messages().clear();
  const QString p1 = form.window().field(Field::kInputPower)->text();
  form.Click("Command4");
  QCOMPARE(form.messages(),
           std::vector<std::string>{std::string(kPrinterMessage)});
  form.Choose("DY");
  QCOMPARE(form.messages().size(), size_t(2));
  QCOMPARE(form.window().field(Field::kInputPower)->text(), p1);
  QVERIFY(form.Status().isEmpty());
}

void CommandsMainWindowTest::exitEndsProgramWithItsWindows() {
  Form1 form;
  form.Click("Command7");
  for (const char* item : {"XLB", "XSB", "MDB", "JXXS", "HELP"}) {
    form.Choose(item);
  }
  QTimer::singleShot(0, [&] { form.Click("Command1"); });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
  QCOMPARE(QCoreApplication::exec(), 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!form.window().isVisible());
  for (const char* name :
       {"Form2", "Dialog", "Dialog1", "Dialog2", "Dialog3", "HELP"}) {
    QCOMPARE(CountTopLevels(QString::fromUtf8(name)), 0);
  }
}

}  // namespace spulix

QTEST_MAIN(spulix::CommandsMainWindowTest)
#include "commands_main_window_test.moc"
