// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main window, triggered on a small stand-in window
// whose fields live in a memory store that counts every change.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "ui/calculator_launcher.h"
#include "ui/main_window_commands.h"
#include "ui/window_printer.h"

namespace spulix {
namespace {

constexpr const char* kDiagram[] = {"Picture1", "Label63", "Label64",
                                    "Label65"};

using Command = QAction* MainWindowCommands::*;

constexpr Command kTableCommands[] = {&MainWindowCommands::efficiency_table,
                                      &MainWindowCommands::coefficient_table,
                                      &MainWindowCommands::flux_density_table,
                                      &MainWindowCommands::stacking_table};

// Stand-in for Form1: the panel and the diagram hidden as after start-up,
// the window's commands on a memory store.
class FakeForm1 {
 public:
  explicit FakeForm1(MemoryStore::MessageHook hook = nullptr)
      : store_(std::move(hook)), form_(new QWidget) {
    form_->setObjectName(QStringLiteral("Form1"));
    form_->resize(400, 300);
    CommandTargets targets;
    targets.window = form_.get();
    targets.store = &store_;
    targets.link_panel = new QFrame(form_.get());
    targets.link_panel->setObjectName(QStringLiteral("Frame4"));
    targets.link_panel->hide();
    targets.show_diagram_button = new QPushButton(form_.get());
    targets.show_diagram_button->setObjectName(QStringLiteral("Command10"));
    targets.hide_diagram_button = new QPushButton(form_.get());
    targets.hide_diagram_button->setObjectName(QStringLiteral("Command11"));
    for (std::size_t i = 0; i < targets.diagram.size(); ++i) {
      targets.diagram[i] = new QLabel(form_.get());
      targets.diagram[i]->setObjectName(QString::fromLatin1(kDiagram[i]));
      targets.diagram[i]->hide();
    }
    commands_ = CreateCommands(form_.get());
    ConnectCommands(commands_, targets);
  }

  QWidget* form() { return form_.get(); }
  MemoryStore& store() { return store_; }

  void Run(Command command) { (commands_.*command)->trigger(); }

  bool Hidden(const char* name) const {
    return form_->findChild<QWidget*>(QString::fromUtf8(name))->isHidden();
  }

  // The texts of all 29 fields.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (int n = 1; n <= kFieldCount; ++n) {
      texts.push_back(store_.Text(FieldFromNumber(n)));
    }
    return texts;
  }

 private:
  MemoryStore store_;
  std::unique_ptr<QWidget> form_;
  MainWindowCommands commands_;
};

int TotalChanges(const MemoryStore& store) {
  int total = 0;
  for (int n = 1; n <= kFieldCount; ++n) {
    total += store.changes(FieldFromNumber(n));
  }
  return total;
}

QWidget* TopLevel(const QString& name) {
  QWidget* found = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) {
      if (found != nullptr) return nullptr;  // not unique
      found = widget;
    }
  }
  return found;
}

int CountTopLevels(const QString& name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) ++count;
  }
  return count;
}

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Fills the sample design and calculates it through, insulation included.
void FillFullDesign(FakeForm1& window) {
  Command9_Click(window.store());
  window.Run(&MainWindowCommands::refresh);
  window.store().ClearMessages();
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();

  void clearOnEmptyWindowOnlyWritesStatus();
  void clearEmptiesFullDesign();
  void clearWithEmptyU1ShowsMessageWhileClearing();
  void clearTwiceChangesNothingMoreAndRewritesStatus();
  void refreshRunsOneCalculation_data();
  void refreshRunsOneCalculation();

  void queryTogglesPanel();
  void queryMenuNeverTogglesPanel();
  void diagramButtonsShowAndHide();

  void tableCommandOpensOneWindow_data();
  void tableCommandOpensOneWindow();
  void aboutOpensOneWindow();
  void helpMenuItemOpensHelpWindow();
  void secondaryWindowsOpenTogetherAndCloseAlone();

  void calculatorFindsFirstInstalled_data();
  void calculatorFindsFirstInstalled();
  void calculatorButtonStartsProgram();
  void calculatorButtonSilentWithoutProgram();

  void printWithoutPrinterShowsMessageOnce();

  void exitClosesEveryWindowAndEndsLoop();

 private:
  QByteArray saved_path_;
};

void CommandsTest::initTestCase() {
  saved_path_ = qgetenv("PATH");
  // No print system is reachable from this test: printing must find no
  // default printer.
  qputenv("CUPS_SERVER", "/nonexistent/spulix-test/cups.sock");
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
}

void CommandsTest::cleanup() {
  qputenv("PATH", saved_path_);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() != QStringLiteral("Form1")) widget->close();
  }
  FlushDeletes();
}

void CommandsTest::clearOnEmptyWindowOnlyWritesStatus() {
  FakeForm1 window;
  QCOMPARE(window.store().CaptionText(Caption::kStatus), std::string());
  window.Run(&MainWindowCommands::clear);
  QCOMPARE(TotalChanges(window.store()), 0);
  QVERIFY(window.store().messages().empty());
  QCOMPARE(window.store().CaptionText(Caption::kStatus),
           std::string(kClearedStatus));
}

void CommandsTest::clearEmptiesFullDesign() {
  FakeForm1 window;
  FillFullDesign(window);
  for (const std::string& text : window.Texts()) QVERIFY(!text.empty());
  QVERIFY(!window.store().CaptionText(Caption::kWidthFigure).empty());

  window.Run(&MainWindowCommands::clear);

  const std::vector<std::string> texts = window.Texts();
  for (int n = 1; n <= kFieldCount; ++n) {
    QVERIFY2(texts[n - 1].empty(), qPrintable(QStringLiteral("Text%1").arg(n)));
  }
  for (Caption figure : {Caption::kWidthFigure, Caption::kTongueFigure,
                         Caption::kHeightFigure}) {
    QCOMPARE(window.store().CaptionText(figure), std::string());
  }
  QCOMPARE(window.store().CaptionText(Caption::kStatus),
           std::string(kClearedStatus));
}

void CommandsTest::clearWithEmptyU1ShowsMessageWhileClearing() {
  // Records the fields as they stand when each message is shown.
  struct Seen {
    std::string message, p2, u2;
  };
  std::vector<Seen> seen;
  FakeForm1* current = nullptr;
  FakeForm1 window([&](std::string_view text) {
    if (current == nullptr) return;
    seen.push_back({std::string(text),
                    current->store().Text(Field::kOutputPower),
                    current->store().Text(Field::kOutputVoltage)});
  });
  Command9_Click(window.store());
  window.store().SetText(Field::kInputVoltage, "");
  QVERIFY(!window.store().Text(Field::kOutputPower).empty());
  window.store().ClearMessages();
  current = &window;

  window.Run(&MainWindowCommands::clear);

  QVERIFY(!seen.empty());
  QCOMPARE(seen.front().message, std::string(kMessageEnterInputVoltage));
  // Shown by the calculation that emptying P2 starts, before U2 is reached.
  QCOMPARE(seen.front().p2, std::string());
  QCOMPARE(seen.front().u2, std::string("36"));
  for (const std::string& text : window.Texts()) QVERIFY(text.empty());
  QCOMPARE(window.store().CaptionText(Caption::kStatus),
           std::string(kClearedStatus));
}

void CommandsTest::clearTwiceChangesNothingMoreAndRewritesStatus() {
  FakeForm1 window;
  FillFullDesign(window);
  window.Run(&MainWindowCommands::clear);
  const int changes_after_first = TotalChanges(window.store());
  window.store().SetCaption(Caption::kStatus, "");  // as a mouse move does

  window.Run(&MainWindowCommands::clear);

  QCOMPARE(TotalChanges(window.store()), changes_after_first);
  QVERIFY(window.store().messages().empty());
  QCOMPARE(window.store().CaptionText(Caption::kStatus),
           std::string(kClearedStatus));
}

void CommandsTest::refreshRunsOneCalculation_data() {
  QTest::addColumn<QString>("u1");
  QTest::addColumn<QString>("p2");
  QTest::newRow("full design") << "220"
                               << "250";
  QTest::newRow("empty U1, 250 W") << ""
                                   << "250";
  QTest::newRow("empty U1, 100 W") << ""
                                   << "100";
  QTest::newRow("P2 not a number") << "220"
                                   << "12a";
}

void CommandsTest::refreshRunsOneCalculation() {
  QFETCH(QString, u1);
  QFETCH(QString, p2);
  // The same design in the window and in a second store; the window runs the
  // command, the second store one direct calculation.
  FakeForm1 window;
  MemoryStore expected;
  for (FieldStore* store : {static_cast<FieldStore*>(&window.store()),
                            static_cast<FieldStore*>(&expected)}) {
    Command9_Click(*store);
    store->SetText(Field::kInputVoltage, u1.toStdString());
    store->SetText(Field::kOutputPower, p2.toStdString());
    store->SetText(Field::kInputPower,
                   "");  // a result the calculation rewrites
  }
  window.store().ClearMessages();
  expected.ClearMessages();

  window.Run(&MainWindowCommands::refresh);
  CalculateDesign(expected);

  for (int n = 1; n <= kFieldCount; ++n) {
    QCOMPARE(window.store().Text(FieldFromNumber(n)),
             expected.Text(FieldFromNumber(n)));
  }
  QCOMPARE(window.store().messages(), expected.messages());
  if (u1.isEmpty()) QVERIFY(!window.store().messages().empty());
}

void CommandsTest::queryTogglesPanel() {
  FakeForm1 window;
  QVERIFY(window.Hidden("Frame4"));
  window.Run(&MainWindowCommands::query);
  QVERIFY(!window.Hidden("Frame4"));
  window.Run(&MainWindowCommands::efficiency_table);  // opening a table leaves
                                                      // the panel shown
  QVERIFY(!window.Hidden("Frame4"));
  window.Run(&MainWindowCommands::query);
  QVERIFY(window.Hidden("Frame4"));
}

void CommandsTest::queryMenuNeverTogglesPanel() {
  FakeForm1 window;
  for (bool shown : {false, true}) {
    if (shown) window.Run(&MainWindowCommands::query);
    // The menu "查询" holds Clear and Refresh, which leave the panel alone.
    for (Command item :
         {&MainWindowCommands::clear, &MainWindowCommands::refresh}) {
      window.Run(item);
      QCOMPARE(window.Hidden("Frame4"), !shown);
    }
  }
}

void CommandsTest::diagramButtonsShowAndHide() {
  FakeForm1 window;
  // Both buttons start visible, the show button on top.
  QVERIFY(!window.Hidden("Command10"));
  QVERIFY(!window.Hidden("Command11"));
  struct Step {
    const char* button;
    Command click;
    bool diagram_shown;
  };
  const Step steps[] = {
      {"Command10", &MainWindowCommands::show_diagram, true},
      {"Command11", &MainWindowCommands::hide_diagram, false},
      {"Command10", &MainWindowCommands::show_diagram, true},
      {"Command11", &MainWindowCommands::hide_diagram, false}};
  for (const Step& step : steps) {
    // The user can only click the button that is visible.
    QVERIFY(!window.Hidden(step.button));
    window.Run(step.click);
    QCOMPARE(window.Hidden("Command10"), step.diagram_shown);
    QCOMPARE(window.Hidden("Command11"), !step.diagram_shown);
    for (const char* part : kDiagram) {
      QCOMPARE(window.Hidden(part), !step.diagram_shown);
    }
  }
}

void CommandsTest::tableCommandOpensOneWindow_data() {
  QTest::addColumn<int>("table");  // index into kTableCommands
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("title");
  QTest::newRow("efficiency") << 0 << "Dialog"
                              << "变压器效率表";
  QTest::newRow("coefficient") << 1 << "Dialog1"
                               << "变压器功率系数表";
  QTest::newRow("flux density") << 2 << "Dialog2"
                                << "对话框标题";
  QTest::newRow("stacking") << 3 << "Dialog3"
                            << "对话框标题";
}

void CommandsTest::tableCommandOpensOneWindow() {
  QFETCH(int, table);
  QFETCH(QString, window);
  QFETCH(QString, title);
  const Command command = kTableCommands[table];
  FakeForm1 form;
  form.form()->show();
  QVERIFY(QTest::qWaitForWindowExposed(form.form()));

  form.Run(command);
  QPointer<QWidget> opened = TopLevel(window);
  QVERIFY(opened);
  QVERIFY(opened->isVisible());
  QCOMPARE(opened->windowTitle(), title);
  QVERIFY(opened->parentWidget() == nullptr);
  QTRY_VERIFY(opened->isActiveWindow());

  // Another window in front, then the same command twice: one window, back
  // in front each time.
  for (int again = 0; again < 2; ++again) {
    form.form()->activateWindow();
    QTRY_VERIFY(!opened->isActiveWindow());
    form.Run(command);
    QCOMPARE(CountTopLevels(window), 1);
    QCOMPARE(TopLevel(window), opened.data());
    QTRY_VERIFY(opened->isActiveWindow());
  }
  // The main window stays usable: the table is not modal.
  QVERIFY(!opened->isModal());
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void CommandsTest::aboutOpensOneWindow() {
  FakeForm1 form;
  form.Run(&MainWindowCommands::about);
  QPointer<QWidget> about = TopLevel(QStringLiteral("Form2"));
  QVERIFY(about);
  QVERIFY(about->isVisible());
  form.Run(&MainWindowCommands::about);
  QCOMPARE(CountTopLevels(QStringLiteral("Form2")), 1);
  QCOMPARE(TopLevel(QStringLiteral("Form2")), about.data());
}

void CommandsTest::helpMenuItemOpensHelpWindow() {
  FakeForm1 form;
  QCOMPARE(CountTopLevels(QStringLiteral("HELP")), 0);
  form.Run(&MainWindowCommands::help);
  QWidget* help = TopLevel(QStringLiteral("HELP"));
  QVERIFY(help != nullptr);
  QVERIFY(help->isVisible());
  QCOMPARE(help->windowTitle(), QStringLiteral("帮助文件"));
  form.Run(&MainWindowCommands::help);
  QCOMPARE(CountTopLevels(QStringLiteral("HELP")), 1);
}

void CommandsTest::secondaryWindowsOpenTogetherAndCloseAlone() {
  FakeForm1 form;
  const QStringList names = {"Form2", "Dialog", "Dialog1", "Dialog2",
                             "Dialog3"};
  form.Run(&MainWindowCommands::about);
  for (Command table : kTableCommands) form.Run(table);
  for (const QString& name : names) {
    QVERIFY2(TopLevel(name) && TopLevel(name)->isVisible(), qPrintable(name));
  }
  for (const QString& closed : names) {
    TopLevel(closed)->close();
    FlushDeletes();
    QCOMPARE(CountTopLevels(closed), 0);
    for (const QString& other : names) {
      if (other == closed) continue;
      const bool closed_before = names.indexOf(other) < names.indexOf(closed);
      QCOMPARE(CountTopLevels(other), closed_before ? 0 : 1);
    }
  }
  // Closed windows come back, new, on the next opening.
  form.Run(&MainWindowCommands::coefficient_table);
  QCOMPARE(CountTopLevels(QStringLiteral("Dialog1")), 1);
}

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

void CommandsTest::calculatorFindsFirstInstalled_data() {
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

void CommandsTest::calculatorFindsFirstInstalled() {
  QFETCH(QStringList, installed);
  QFETCH(QString, expected);
  FakePrograms programs;
  for (const QString& name : installed) programs.Add(name);
  QCOMPARE(FindCalculator(),
           expected.isEmpty() ? QString() : programs.Path(expected));
}

void CommandsTest::calculatorButtonStartsProgram() {
  FakePrograms programs;
  programs.Add("galculator");
  programs.Add("xcalc");
  FakeForm1 form;
  form.Run(&MainWindowCommands::calculator);
  QTRY_VERIFY(QFileInfo(programs.MarkerPath()).size() > 0);
  QFile marker(programs.MarkerPath());
  QVERIFY(marker.open(QIODevice::ReadOnly));
  QCOMPARE(QString::fromLocal8Bit(marker.readAll()).trimmed(),
           programs.Path("galculator"));
  QVERIFY(form.store().messages().empty());
}

void CommandsTest::calculatorButtonSilentWithoutProgram() {
  FakePrograms programs;
  FakeForm1 form;
  QVERIFY(!StartCalculator());
  form.Run(&MainWindowCommands::calculator);
  QVERIFY(form.store().messages().empty());
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void CommandsTest::printWithoutPrinterShowsMessageOnce() {
  FakeForm1 form;
  FillFullDesign(form);
  form.Run(&MainWindowCommands::query);
  const std::vector<std::string> before = form.Texts();
  const int changes = TotalChanges(form.store());

  form.Run(&MainWindowCommands::print);

  QCOMPARE(form.store().messages(),
           std::vector<std::string>{std::string(kPrinterMessage)});
  QCOMPARE(form.Texts(), before);
  QCOMPARE(TotalChanges(form.store()), changes);
  QVERIFY(!form.Hidden("Frame4"));
  QCOMPARE(form.store().CaptionText(Caption::kStatus), std::string());
}

void CommandsTest::exitClosesEveryWindowAndEndsLoop() {
  // The loop must end because of Exit, not because the last window closed.
  QApplication::setQuitOnLastWindowClosed(false);
  FakeForm1 form;
  form.form()->show();
  form.Run(&MainWindowCommands::about);
  for (Command table : kTableCommands) form.Run(table);
  form.Run(&MainWindowCommands::help);
  QCOMPARE(QApplication::topLevelWidgets().size() >= 7, true);

  QTimer::singleShot(0, [&] { form.Run(&MainWindowCommands::exit); });
  // Should Exit not end the loop, this ends it with a failing code.
  QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
  const int code = QCoreApplication::exec();
  QApplication::setQuitOnLastWindowClosed(true);
  QCOMPARE(code, 0);

  FlushDeletes();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isWindow() && !widget->inherits("QMenu")) {
      QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
  }
  for (const char* secondary :
       {"Form2", "Dialog", "Dialog1", "Dialog2", "Dialog3", "HELP"}) {
    QCOMPARE(CountTopLevels(QString::fromUtf8(secondary)), 0);
  }
}

}  // namespace spulix

QTEST_MAIN(spulix::CommandsTest)
#include "commands_test.moc"
