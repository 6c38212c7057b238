// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main window, run through ConnectCommands on a small
// stand-in window that carries the same object names as the real one.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
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

// Resources must be initialised from outside any namespace.
static void InitResources() { Q_INIT_RESOURCE(spulix); }

namespace spulix {
namespace {

// A label with a click signal, as the table links of the real window have.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();
};

constexpr const char* kButtons[] = {
    "Command1", "Command2", "Command3",  "Command4",  "Command6",
    "Command7", "Command9", "Command10", "Command11", "Command12"};
constexpr const char* kLinks[] = {"Label69", "Label71", "Label72", "Label73"};
constexpr const char* kDiagram[] = {"Picture1", "Label63", "Label64",
                                    "Label65"};

struct FakeMenu {
  const char* name;
  const char* title;
  std::vector<const char*> items;
};

const std::vector<FakeMenu>& Menus() {
  static const std::vector<FakeMenu> menus = {
      {"WJ", "文件", {"DY", "tc"}},
      {"CX", "查询", {"QK", "SX"}},
      {"BJ", "编辑", {"XLB", "XSB", "MDB", "JXXS"}},
      {"BZ", "帮助", {"HELP", "ABORT"}},
  };
  return menus;
}

// Stand-in for Form1: named controls, hidden panel and diagram as after
// start-up, a memory store for the fields.
class FakeForm1 {
 public:
  explicit FakeForm1(MemoryStore::MessageHook hook = nullptr)
      : store_(std::move(hook)), form_(new QWidget) {
    form_->setObjectName(QStringLiteral("Form1"));
    form_->resize(400, 300);
    auto* bar = new QMenuBar(form_.get());
    for (const FakeMenu& row : Menus()) {
      QMenu* menu = bar->addMenu(QString::fromUtf8(row.title));
      menu->setObjectName(QString::fromUtf8(row.name));
      menu->menuAction()->setObjectName(QString::fromUtf8(row.name));
      for (const char* item : row.items) {
        menu->addAction(QString::fromUtf8(item))
            ->setObjectName(QString::fromUtf8(item));
      }
    }
    for (const char* name : kButtons) {
      auto* button = new QPushButton(form_.get());
      button->setObjectName(QString::fromUtf8(name));
    }
    auto* panel = new QFrame(form_.get());
    panel->setObjectName(QStringLiteral("Frame4"));
    for (const char* name : kLinks) {
      auto* link = new LinkLabel(QString::fromUtf8(name), panel);
      link->setObjectName(QString::fromUtf8(name));
    }
    panel->hide();
    for (const char* name : kDiagram) {
      auto* part = new QLabel(form_.get());
      part->setObjectName(QString::fromUtf8(name));
      part->hide();
    }
    ConnectCommands(form_.get(), store_);
  }

  QWidget* form() { return form_.get(); }
  MemoryStore& store() { return store_; }

  // Runs a control the way the user does: click a button or link, choose a
  // menu item.
  void Run(const char* name) {
    const QString object_name = QString::fromUtf8(name);
    if (auto* action = form_->findChild<QAction*>(object_name)) {
      action->trigger();
    } else if (auto* button = form_->findChild<QPushButton*>(object_name)) {
      button->click();
    } else if (auto* link = form_->findChild<LinkLabel*>(object_name)) {
      emit link->clicked();
    } else {
      QFAIL(qPrintable(QStringLiteral("no control ") + object_name));
    }
  }

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
  window.Run("Command2");
  window.store().ClearMessages();
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();

  void ClearOnEmptyWindowOnlyWritesStatus_data();
  void ClearOnEmptyWindowOnlyWritesStatus();
  void ClearEmptiesFullDesign_data();
  void ClearEmptiesFullDesign();
  void ClearWithEmptyU1ShowsMessageWhileClearing();
  void ClearTwiceChangesNothingMoreAndRewritesStatus();
  void RefreshRunsOneCalculation_data();
  void RefreshRunsOneCalculation();

  void QueryTogglesPanel();
  void QueryMenuNeverTogglesPanel();
  void DiagramButtonsShowAndHide();

  void TableLinkAndMenuItemShareOneWindow_data();
  void TableLinkAndMenuItemShareOneWindow();
  void AboutButtonAndMenuItemShareOneWindow();
  void HelpMenuItemOpensHelpWindow();
  void SecondaryWindowsOpenTogetherAndCloseAlone();

  void CalculatorFindsFirstInstalled_data();
  void CalculatorFindsFirstInstalled();
  void CalculatorButtonStartsProgram();
  void CalculatorButtonSilentWithoutProgram();

  void PrintWithoutPrinterShowsMessageOnce_data();
  void PrintWithoutPrinterShowsMessageOnce();

  void ExitClosesEveryWindowAndEndsLoop_data();
  void ExitClosesEveryWindowAndEndsLoop();

 private:
  QByteArray saved_path_;
};

void CommandsTest::initTestCase() {
  InitResources();
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

void CommandsTest::ClearOnEmptyWindowOnlyWritesStatus_data() {
  QTest::addColumn<QString>("control");
  QTest::newRow("toolbar") << "Command3";
  QTest::newRow("menu") << "QK";
}

void CommandsTest::ClearOnEmptyWindowOnlyWritesStatus() {
  QFETCH(QString, control);
  FakeForm1 window;
  QCOMPARE(window.store().CaptionText(Caption::kStatus), std::string());
  window.Run(control.toUtf8().constData());
  QCOMPARE(TotalChanges(window.store()), 0);
  QVERIFY(window.store().messages().empty());
  QCOMPARE(window.store().CaptionText(Caption::kStatus),
           std::string(kClearedStatus));
}

void CommandsTest::ClearEmptiesFullDesign_data() {
  QTest::addColumn<QString>("control");
  QTest::newRow("toolbar") << "Command3";
  QTest::newRow("menu") << "QK";
}

void CommandsTest::ClearEmptiesFullDesign() {
  QFETCH(QString, control);
  FakeForm1 window;
  FillFullDesign(window);
  for (const std::string& text : window.Texts()) QVERIFY(!text.empty());
  QVERIFY(!window.store().CaptionText(Caption::kWidthFigure).empty());

  window.Run(control.toUtf8().constData());

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

void CommandsTest::ClearWithEmptyU1ShowsMessageWhileClearing() {
  // Records the fields as they stand when each message is shown.
  struct Seen {
    std::string message, p2, u2;
  };
  std::vector<Seen> seen;
  FakeForm1* current = nullptr;
  FakeForm1 window([&](std::string_view text) {
    if (current == nullptr) return;
    seen.push_back({std::string(text), current->store().Text(Field::kP2),
                    current->store().Text(Field::kU2)});
  });
  Command9_Click(window.store());
  window.store().SetText(Field::kU1, "");
  QVERIFY(!window.store().Text(Field::kP2).empty());
  window.store().ClearMessages();
  current = &window;

  window.Run("Command3");

  QVERIFY(!seen.empty());
  QCOMPARE(seen.front().message, std::string(kMessageEnterInputVoltage));
  // Shown by the calculation that emptying P2 starts, before U2 is reached.
  QCOMPARE(seen.front().p2, std::string());
  QCOMPARE(seen.front().u2, std::string("36"));
  for (const std::string& text : window.Texts()) QVERIFY(text.empty());
  QCOMPARE(window.store().CaptionText(Caption::kStatus),
           std::string(kClearedStatus));
}

void CommandsTest::ClearTwiceChangesNothingMoreAndRewritesStatus() {
  FakeForm1 window;
  FillFullDesign(window);
  window.Run("Command3");
  const int changes_after_first = TotalChanges(window.store());
  window.store().SetCaption(Caption::kStatus, "");  // as a mouse move does

  window.Run("Command3");

  QCOMPARE(TotalChanges(window.store()), changes_after_first);
  QVERIFY(window.store().messages().empty());
  QCOMPARE(window.store().CaptionText(Caption::kStatus),
           std::string(kClearedStatus));
}

void CommandsTest::RefreshRunsOneCalculation_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("u1");
  QTest::addColumn<QString>("p2");
  QTest::newRow("toolbar, full design") << "Command2"
                                        << "220"
                                        << "250";
  QTest::newRow("menu, full design") << "SX"
                                     << "220"
                                     << "250";
  QTest::newRow("toolbar, empty U1") << "Command2"
                                     << ""
                                     << "250";
  QTest::newRow("menu, empty U1") << "SX"
                                  << ""
                                  << "100";
  QTest::newRow("toolbar, P2 not a number") << "Command2"
                                            << "220"
                                            << "12a";
}

void CommandsTest::RefreshRunsOneCalculation() {
  QFETCH(QString, control);
  QFETCH(QString, u1);
  QFETCH(QString, p2);
  // The same design in the window and in a second store; the window runs the
  // command, the second store one direct calculation.
  FakeForm1 window;
  MemoryStore expected;
  for (FieldStore* store : {static_cast<FieldStore*>(&window.store()),
                            static_cast<FieldStore*>(&expected)}) {
    Command9_Click(*store);
    store->SetText(Field::kU1, u1.toStdString());
    store->SetText(Field::kP2, p2.toStdString());
    store->SetText(Field::kP1, "");  // a result the calculation rewrites
  }
  window.store().ClearMessages();
  expected.ClearMessages();

  window.Run(control.toUtf8().constData());
  CalculateDesign(expected);

  for (int n = 1; n <= kFieldCount; ++n) {
    QCOMPARE(window.store().Text(FieldFromNumber(n)),
             expected.Text(FieldFromNumber(n)));
  }
  QCOMPARE(window.store().messages(), expected.messages());
  if (u1.isEmpty()) QVERIFY(!window.store().messages().empty());
}

void CommandsTest::QueryTogglesPanel() {
  FakeForm1 window;
  QVERIFY(window.Hidden("Frame4"));
  window.Run("Command6");
  QVERIFY(!window.Hidden("Frame4"));
  window.Run("Label69");  // opening a table leaves the panel shown
  QVERIFY(!window.Hidden("Frame4"));
  window.Run("Command6");
  QVERIFY(window.Hidden("Frame4"));
}

void CommandsTest::QueryMenuNeverTogglesPanel() {
  FakeForm1 window;
  for (bool shown : {false, true}) {
    if (shown) window.Run("Command6");
    for (const char* item : {"CX", "QK", "SX"}) {
      window.Run(item);
      QCOMPARE(window.Hidden("Frame4"), !shown);
    }
  }
}

void CommandsTest::DiagramButtonsShowAndHide() {
  FakeForm1 window;
  // Both buttons start visible, the show button on top.
  QVERIFY(!window.Hidden("Command10"));
  QVERIFY(!window.Hidden("Command11"));
  struct Step {
    const char* click;
    bool diagram_shown;
  };
  const Step steps[] = {{"Command10", true},
                        {"Command11", false},
                        {"Command10", true},
                        {"Command11", false}};
  for (const Step& step : steps) {
    // The user can only click the button that is visible.
    QVERIFY(!window.Hidden(step.click));
    window.Run(step.click);
    QCOMPARE(window.Hidden("Command10"), step.diagram_shown);
    QCOMPARE(window.Hidden("Command11"), !step.diagram_shown);
    for (const char* part : kDiagram) {
      QCOMPARE(window.Hidden(part), !step.diagram_shown);
    }
  }
}

void CommandsTest::TableLinkAndMenuItemShareOneWindow_data() {
  QTest::addColumn<QString>("link");
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("title");
  QTest::newRow("efficiency") << "Label69"
                              << "XLB"
                              << "Dialog"
                              << "变压器效率表";
  QTest::newRow("coefficient") << "Label71"
                               << "XSB"
                               << "Dialog1"
                               << "变压器功率系数表";
  QTest::newRow("flux density") << "Label72"
                                << "MDB"
                                << "Dialog2"
                                << "对话框标题";
  QTest::newRow("stacking") << "Label73"
                            << "JXXS"
                            << "Dialog3"
                            << "对话框标题";
}

void CommandsTest::TableLinkAndMenuItemShareOneWindow() {
  QFETCH(QString, link);
  QFETCH(QString, item);
  QFETCH(QString, window);
  QFETCH(QString, title);
  FakeForm1 form;
  form.form()->show();
  QVERIFY(QTest::qWaitForWindowExposed(form.form()));

  form.Run(link.toUtf8().constData());
  QPointer<QWidget> table = TopLevel(window);
  QVERIFY(table);
  QVERIFY(table->isVisible());
  QCOMPARE(table->windowTitle(), title);
  QVERIFY(table->parentWidget() == nullptr);
  QTRY_VERIFY(table->isActiveWindow());

  // Another window in front, then the same link, then the menu item: one
  // window, back in front each time.
  for (const QString& again : {link, item}) {
    const QByteArray control = again.toUtf8();
    form.form()->activateWindow();
    QTRY_VERIFY(!table->isActiveWindow());
    form.Run(control.constData());
    QCOMPARE(CountTopLevels(window), 1);
    QCOMPARE(TopLevel(window), table.data());
    QTRY_VERIFY(table->isActiveWindow());
  }
  // The main window stays usable: the table is not modal.
  QVERIFY(!table->isModal());
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void CommandsTest::AboutButtonAndMenuItemShareOneWindow() {
  FakeForm1 form;
  form.Run("Command7");
  QPointer<QWidget> about = TopLevel(QStringLiteral("Form2"));
  QVERIFY(about);
  QVERIFY(about->isVisible());
  form.Run("ABORT");
  QCOMPARE(CountTopLevels(QStringLiteral("Form2")), 1);
  QCOMPARE(TopLevel(QStringLiteral("Form2")), about.data());
}

void CommandsTest::HelpMenuItemOpensHelpWindow() {
  FakeForm1 form;
  QCOMPARE(CountTopLevels(QStringLiteral("HELP")), 0);
  form.Run("HELP");
  QWidget* help = TopLevel(QStringLiteral("HELP"));
  QVERIFY(help != nullptr);
  QVERIFY(help->isVisible());
  QCOMPARE(help->windowTitle(), QStringLiteral("帮助文件"));
  form.Run("HELP");
  QCOMPARE(CountTopLevels(QStringLiteral("HELP")), 1);
}

void CommandsTest::SecondaryWindowsOpenTogetherAndCloseAlone() {
  FakeForm1 form;
  const QStringList names = {"Form2", "Dialog", "Dialog1", "Dialog2",
                             "Dialog3"};
  for (const char* control :
       {"Command7", "Label69", "Label71", "Label72", "Label73"}) {
    form.Run(control);
  }
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
  form.Run("XSB");
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

void CommandsTest::CalculatorFindsFirstInstalled_data() {
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

void CommandsTest::CalculatorFindsFirstInstalled() {
  QFETCH(QStringList, installed);
  QFETCH(QString, expected);
  FakePrograms programs;
  for (const QString& name : installed) programs.Add(name);
  QCOMPARE(FindCalculator(),
           expected.isEmpty() ? QString() : programs.Path(expected));
}

void CommandsTest::CalculatorButtonStartsProgram() {
  FakePrograms programs;
  programs.Add("galculator");
  programs.Add("xcalc");
  FakeForm1 form;
  form.Run("Command12");
  QTRY_VERIFY(QFileInfo(programs.MarkerPath()).size() > 0);
  QFile marker(programs.MarkerPath());
  QVERIFY(marker.open(QIODevice::ReadOnly));
  QCOMPARE(QString::fromLocal8Bit(marker.readAll()).trimmed(),
           programs.Path("galculator"));
  QVERIFY(form.store().messages().empty());
}

void CommandsTest::CalculatorButtonSilentWithoutProgram() {
  FakePrograms programs;
  FakeForm1 form;
  QVERIFY(!StartCalculator());
  form.Run("Command12");
  QVERIFY(form.store().messages().empty());
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void CommandsTest::PrintWithoutPrinterShowsMessageOnce_data() {
  QTest::addColumn<QString>("control");
  QTest::newRow("toolbar") << "Command4";
  QTest::newRow("menu") << "DY";
}

void CommandsTest::PrintWithoutPrinterShowsMessageOnce() {
  QFETCH(QString, control);
  FakeForm1 form;
  FillFullDesign(form);
  form.Run("Command6");
  const std::vector<std::string> before = form.Texts();
  const int changes = TotalChanges(form.store());

  form.Run(control.toUtf8().constData());

  QCOMPARE(form.store().messages(),
           std::vector<std::string>{std::string(kPrinterMessage)});
  QCOMPARE(form.Texts(), before);
  QCOMPARE(TotalChanges(form.store()), changes);
  QVERIFY(!form.Hidden("Frame4"));
  QCOMPARE(form.store().CaptionText(Caption::kStatus), std::string());
}

void CommandsTest::ExitClosesEveryWindowAndEndsLoop_data() {
  QTest::addColumn<QString>("control");
  QTest::newRow("toolbar") << "Command1";
  QTest::newRow("menu") << "tc";
}

void CommandsTest::ExitClosesEveryWindowAndEndsLoop() {
  QFETCH(QString, control);
  // The loop must end because of Exit, not because the last window closed.
  QApplication::setQuitOnLastWindowClosed(false);
  FakeForm1 form;
  form.form()->show();
  for (const char* open : {"Command7", "XLB", "XSB", "MDB", "JXXS", "HELP"}) {
    form.Run(open);
  }
  QCOMPARE(QApplication::topLevelWidgets().size() >= 7, true);

  const QByteArray name = control.toUtf8();
  QTimer::singleShot(0, [&] { form.Run(name.constData()); });
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
