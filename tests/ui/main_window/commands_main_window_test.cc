// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the real main window: clicks on its own buttons, links and
// menu items reach the commands and change what the user sees.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <string>
#include <vector>

#include "design/design_calculation.h"
#include "design/design_commands.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "ui/main_window/calculator_launcher.h"
#include "ui/main_window/main_window.h"
#include "ui/output/window_printer.h"

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

  // The texts of all 29 fields.
  QStringList Texts() {
    QStringList texts;
    for (int n = 1; n <= kFieldCount; ++n) {
      texts << window_.field(FieldFromNumber(n))->text();
    }
    return texts;
  }

 private:
  std::vector<std::string> messages_;  // before the window that feeds it
  MainWindow window_;
};

int CountTopLevels(const QString& name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) ++count;
  }
  return count;
}

QWidget* TopLevel(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) return widget;
  }
  return nullptr;
}

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QStringList kSecondaryWindows = {"Form2",   "Dialog",  "Dialog1",
                                       "Dialog2", "Dialog3", "HELP"};

// Writes fake calculator programs into a folder that becomes the whole PATH.
class FakePrograms {
 public:
  FakePrograms() { qputenv("PATH", dir_.path().toLocal8Bit()); }

  void Add(const QString& name) {
    QFile file(dir_.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Only shell built-ins: the PATH holds nothing else.
    file.write(QStringLiteral("#!/bin/sh\necho \"$0\" > '%1'\n")
                   .arg(MarkerPath())
                   .toLocal8Bit());
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                                QFile::ExeOwner));
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }
  QString MarkerPath() const { return dir_.filePath("started"); }

 private:
  QTemporaryDir dir_;
};

}  // namespace

class CommandsMainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();
  void everyControlRunsItsCommand();
  void clearEmptiesWindowAndShowsStatus();
  void designButtonsDoWhatScriptsDo_data();
  void designButtonsDoWhatScriptsDo();
  void queryButtonTogglesPanelMenuDoesNot();
  void secondaryWindowOpensOnce_data();
  void secondaryWindowOpensOnce();
  void secondaryWindowsOpenTogetherAndCloseAlone();
  void diagramButtonsTakeTurns();
  void calculatorFindsFirstInstalled_data();
  void calculatorFindsFirstInstalled();
  void calculatorButtonStartsProgramOrStaysSilent();
  void printWithoutPrinterShowsMessageOnce();
  void exitEndsProgramWithItsWindows();

 private:
  QByteArray saved_path_;
};

void CommandsMainWindowTest::initTestCase() {
  saved_path_ = qgetenv("PATH");
  // No print system is reachable from this test: printing must find no
  // default printer.
  qputenv("CUPS_SERVER", "/nonexistent/spulix-test/cups.sock");
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
}

void CommandsMainWindowTest::cleanup() {
  qputenv("PATH", saved_path_);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() != QStringLiteral("Form1")) widget->close();
  }
  FlushDeletes();
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

void CommandsMainWindowTest::clearEmptiesWindowAndShowsStatus() {
  Form1 form;
  form.Click("Command9");  // the sample design
  form.Click("Command2");  // refresh: every result filled in
  for (const QString& text : form.Texts()) QVERIFY(!text.isEmpty());
  QVERIFY(!form.Control<QLabel>("Label66")->text().isEmpty());
  QVERIFY(form.Status().isEmpty());
  form.messages().clear();

  form.Click("Command3");

  const QStringList texts = form.Texts();
  for (int n = 1; n <= kFieldCount; ++n) {
    QVERIFY2(texts[n - 1].isEmpty(),
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

// Each button and menu item that acts on the design does in the window what
// the same name does in a spulix-calc script: the same texts, captions and
// messages, from a full design and from one the calculation refuses.
void CommandsMainWindowTest::designButtonsDoWhatScriptsDo_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("u1");
  for (const DesignButtonName& entry : kDesignButtonNames) {
    const QString name = QString::fromLatin1(entry.name);
    QTest::addRow("%s, full design", entry.name.data()) << name << "220";
    QTest::addRow("%s, empty U1", entry.name.data()) << name << "";
  }
}

void CommandsMainWindowTest::designButtonsDoWhatScriptsDo() {
  QFETCH(QString, name);
  QFETCH(QString, u1);
  Form1 form;
  MemoryStore expected;
  for (FieldStore* store : {static_cast<FieldStore*>(&form.window().store()),
                            static_cast<FieldStore*>(&expected)}) {
    Command9_Click(*store);
    store->SetText(Field::kInputVoltage, u1.toStdString());
    store->SetText(Field::kInputPower, "");  // a result the calculation writes
    store->SetCaption(Caption::kStatus, "");
  }
  form.messages().clear();
  expected.ClearMessages();

  const QByteArray control = name.toLatin1();
  if (form.window().findChild<QWidget*>(name) != nullptr) {
    form.Click(control.constData());
  } else {
    form.Choose(control.constData());
  }
  PressDesignButton(expected, expected.choices(),
                    *DesignButtonByName(control.toStdString()));

  for (int n = 1; n <= kFieldCount; ++n) {
    QCOMPARE(form.window().field(FieldFromNumber(n))->text().toStdString(),
             expected.Text(FieldFromNumber(n)));
  }
  for (Caption caption : {Caption::kStatus, Caption::kWidthFigure,
                          Caption::kTongueFigure, Caption::kHeightFigure}) {
    QCOMPARE(form.window().store().CaptionText(caption),
             expected.CaptionText(caption));
  }
  QCOMPARE(form.messages(), expected.messages());
}

void CommandsMainWindowTest::queryButtonTogglesPanelMenuDoesNot() {
  Form1 form;
  QWidget* panel = form.Control("Frame4");
  QVERIFY(panel->isHidden());
  form.Click("Command6");
  QVERIFY(panel->isVisible());
  // The menu 查询 and its items Clear and Refresh leave the panel alone.
  form.Control<QMenu>("CX")->menuAction()->trigger();
  form.Choose("SX");
  form.Choose("QK");
  QVERIFY(panel->isVisible());
  form.Click("Command6");
  QVERIFY(panel->isHidden());
  form.Control<QMenu>("CX")->menuAction()->trigger();
  form.Choose("QK");
  QVERIFY(panel->isHidden());
}

// Each secondary window opens from its link or button and from its menu
// item: the same one window (how it opens is the registry's test).
void CommandsMainWindowTest::secondaryWindowOpensOnce_data() {
  QTest::addColumn<QString>("control");  // a link or button, or none
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
  QTest::newRow("about") << "Command7"
                         << "ABORT"
                         << "Form2";
  QTest::newRow("help") << ""
                        << "HELP"
                        << "HELP";
}

void CommandsMainWindowTest::secondaryWindowOpensOnce() {
  QFETCH(QString, control);
  QFETCH(QString, item);
  QFETCH(QString, window);
  Form1 form;
  form.Click("Command6");  // the panel with the table links
  if (control.isEmpty()) {
    form.Choose(item.toLatin1().constData());
  } else {
    form.Click(control.toLatin1().constData());
  }
  QCOMPARE(CountTopLevels(window), 1);
  QPointer<QWidget> opened = TopLevel(window);
  QVERIFY(opened->isVisible());
  form.Choose(item.toLatin1().constData());
  QCOMPARE(CountTopLevels(window), 1);
  QCOMPARE(TopLevel(window), opened.data());
  // The panel stays open while the tables are used.
  QVERIFY(form.Control("Frame4")->isVisible());
}

void CommandsMainWindowTest::secondaryWindowsOpenTogetherAndCloseAlone() {
  Form1 form;
  for (const char* item : {"ABORT", "XLB", "XSB", "MDB", "JXXS", "HELP"}) {
    form.Choose(item);
  }
  for (const QString& name : kSecondaryWindows) {
    QVERIFY2(TopLevel(name) && TopLevel(name)->isVisible(), qPrintable(name));
  }
  for (const QString& closed : kSecondaryWindows) {
    TopLevel(closed)->close();
    FlushDeletes();
    QCOMPARE(CountTopLevels(closed), 0);
    for (const QString& other : kSecondaryWindows) {
      if (other == closed) continue;
      const bool closed_before =
          kSecondaryWindows.indexOf(other) < kSecondaryWindows.indexOf(closed);
      QCOMPARE(CountTopLevels(other), closed_before ? 0 : 1);
    }
  }
  // Closed windows come back, new, on the next opening.
  form.Choose("XSB");
  QCOMPARE(CountTopLevels(QStringLiteral("Dialog1")), 1);
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

void CommandsMainWindowTest::calculatorFindsFirstInstalled_data() {
  QTest::addColumn<QStringList>("installed");
  QTest::addColumn<QString>("expected");
  QTest::newRow("none") << QStringList() << "";
  QTest::newRow("only the last") << QStringList{"xcalc"} << "xcalc";
  QTest::newRow("gnome first")
      << QStringList{"mate-calc", "gnome-calculator"} << "gnome-calculator";
  QTest::newRow("kcalc before xcalc")
      << QStringList{"xcalc", "kcalc"} << "kcalc";
  QTest::newRow("qalculate-qt before gtk")
      << QStringList{"qalculate-gtk", "qalculate-qt", "galculator"}
      << "qalculate-qt";
  QTest::newRow("galculator before mate-calc")
      << QStringList{"mate-calc", "galculator"} << "galculator";
  QTest::newRow("unknown program ignored") << QStringList{"bc"} << "";
}

void CommandsMainWindowTest::calculatorFindsFirstInstalled() {
  QFETCH(QStringList, installed);
  QFETCH(QString, expected);
  FakePrograms programs;
  for (const QString& name : installed) programs.Add(name);
  QCOMPARE(FindCalculator(),
           expected.isEmpty() ? QString() : programs.Path(expected));
}

// The button starts the first calculator installed; without one it does
// nothing, and says nothing either.
void CommandsMainWindowTest::calculatorButtonStartsProgramOrStaysSilent() {
  {
    FakePrograms none;
    Form1 form;
    QVERIFY(!StartCalculator());
    form.Click("Command12");
    QVERIFY(form.messages().empty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }
  FakePrograms programs;
  programs.Add("galculator");
  programs.Add("xcalc");
  Form1 form;
  form.Click("Command12");
  QTRY_VERIFY(QFileInfo(programs.MarkerPath()).size() > 0);
  QFile marker(programs.MarkerPath());
  QVERIFY(marker.open(QIODevice::ReadOnly));
  QCOMPARE(QString::fromLocal8Bit(marker.readAll()).trimmed(),
           programs.Path("galculator"));
  QVERIFY(form.messages().empty());
}

// Print reaches the printing of the window: without a printer it says so
// once (what printing leaves alone is the print test's) and the panel
// stays open.
void CommandsMainWindowTest::printWithoutPrinterShowsMessageOnce() {
  Form1 form;
  form.Click("Command6");
  form.messages().clear();
  form.Click("Command4");
  QCOMPARE(form.messages(),
           std::vector<std::string>{std::string(kPrinterMessage)});
  QVERIFY(form.Control("Frame4")->isVisible());
}

void CommandsMainWindowTest::exitEndsProgramWithItsWindows() {
  // The loop must end because of Exit, not because the last window closed.
  QApplication::setQuitOnLastWindowClosed(false);
  Form1 form;
  form.Click("Command7");
  for (const char* item : {"XLB", "XSB", "MDB", "JXXS", "HELP"}) {
    form.Choose(item);
  }
  QTimer::singleShot(0, [&] { form.Click("Command1"); });
  // Should Exit not end the loop, this ends it with a failing code.
  QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
  const int code = QCoreApplication::exec();
  QApplication::setQuitOnLastWindowClosed(true);
  QCOMPARE(code, 0);
  FlushDeletes();
  QVERIFY(!form.window().isVisible());
  for (const QString& name : kSecondaryWindows) {
    QCOMPARE(CountTopLevels(name), 0);
  }
}

}  // namespace spulix

QTEST_MAIN(spulix::CommandsMainWindowTest)
#include "commands_main_window_test.moc"
