// SPDX-License-Identifier: GPL-3.0-or-later
// A long run of random user actions on the real main window: typing,
// erasing, double-clicks, every command except Exit and the calculator, and
// opening and closing every secondary window, with messages answered. The
// window must survive, keep calculating like the engine, and keep its memory.
//
// SPULIX_SOAK_ACTIONS and SPULIX_SOAK_SEED change the length and the seed.
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <deque>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "design/design_calculation.h"
#include "design/design_commands.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "ui/main_window/main_window.h"

namespace spulix {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// The secondary windows by object name, and the controls that open them.
constexpr const char* kSecondaryNames[] = {"Form2",   "Dialog",  "Dialog1",
                                           "Dialog2", "Dialog3", "HELP"};
constexpr const char* kOpeners[] = {"XLB",     "XSB",     "MDB",      "JXXS",
                                    "HELP",    "ABORT",   "Command7", "Label69",
                                    "Label71", "Label72", "Label73"};
// Buttons and menu items that change the design or the window in place.
constexpr const char* kCommands[] = {
    "Command2", "SX",       "Command3",  "QK",        "Command5",
    "Command6", "Command9", "Command10", "Command11", "Command4",
    "DY",       "Command6", "Command9",  "Command2"};
// What the user types: digits mostly, and what a slip of the hand adds.
constexpr char kTyped[] = "0123456789012345678901234567890.., E-+ax";

// The offscreen platform cannot raise windows and says so at each opening.
QtMessageHandler previous_handler = nullptr;
void DropRaiseWarnings(QtMsgType type, const QMessageLogContext& context,
                       const QString& text) {
  if (text.contains(QLatin1String("does not support raise"))) return;
  previous_handler(type, context, text);
}

long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

class Soak {
 public:
  explicit Soak(unsigned seed) : random_(seed) {
    window_.store().SetMessageSink([this](std::string_view) { ++messages_; });
    window_.show();
    // A message box that does not go through the store would block the run:
    // answer it, and count it as a fault.
    modal_guard_.setInterval(200);
    QObject::connect(&modal_guard_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ++stray_modals_;
        modal->close();
      }
    });
    modal_guard_.start();
  }

  MainWindow& window() { return window_; }
  int messages() const { return messages_; }
  int stray_modals() const { return stray_modals_; }
  int opened() const { return opened_; }
  int closed() const { return closed_; }
  const std::deque<std::string>& recent() const { return recent_; }

  // One random action, weighted like a session at the keyboard.
  void Step() {
    const int roll = Pick(100);
    if (roll < 40) {
      Type();
    } else if (roll < 55) {
      Erase();
    } else if (roll < 63) {
      DoubleClick();
    } else if (roll < 80) {
      Command();
    } else if (roll < 88) {
      OpenWindow();
    } else if (roll < 96) {
      CloseWindow();
    } else {
      MoveMouse();
    }
  }

  // Lets the window paint and the closed windows go, as the event loop
  // does between user actions.
  static void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Top-level windows of the program other than the main window, by name.
  static int CountOpen(const char* name) {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
        ++count;
      }
    }
    return count;
  }

 private:
  int Pick(int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random_);
  }

  void Remember(std::string action) {
    recent_.push_back(std::move(action));
    if (recent_.size() > 12) recent_.pop_front();
  }

  QLineEdit* RandomField() {
    return window_.field(FieldFromNumber(1 + Pick(kFieldCount)));
  }

  void Type() {
    QLineEdit* edit = RandomField();
    const char typed = kTyped[Pick(sizeof kTyped - 1)];
    Remember("type '" + std::string(1, typed) + "' into " +
             edit->objectName().toStdString());
    edit->setFocus();
    QTest::keyClicks(edit, QString(QChar::fromLatin1(typed)));
  }

  void Erase() {
    QLineEdit* edit = RandomField();
    edit->setFocus();
    if (Pick(4) == 0) {
      Remember("erase all of " + edit->objectName().toStdString());
      edit->selectAll();
      QTest::keyClick(edit, Qt::Key_Delete);
    } else {
      Remember("backspace in " + edit->objectName().toStdString());
      edit->end(false);
      QTest::keyClick(edit, Qt::Key_Backspace);
    }
  }

  void DoubleClick() {
    // The wire diameters recompute the build-up; any other field only
    // selects a word.
    QLineEdit* edit = Pick(3) == 0 ? RandomField()
                      : Pick(2)    ? window_.field(Field::kPrimaryWireDiameter)
                                : window_.field(Field::kSecondaryWireDiameter);
    Remember("double-click " + edit->objectName().toStdString());
    QTest::mouseDClick(edit, Qt::LeftButton, {}, edit->rect().center());
  }

  // Clicks a control as the user can: a visible button, or a menu item.
  void Activate(const char* name) {
    QObject* control = window_.findChild<QObject*>(QString::fromLatin1(name));
    if (control == nullptr) {
      // Other windows own nothing the main window names.
      QFAIL(qPrintable(QStringLiteral("no control %1").arg(name)));
    }
    if (auto* action = qobject_cast<QAction*>(control)) {
      Remember(std::string("choose ") + name);
      action->trigger();
      return;
    }
    auto* widget = qobject_cast<QWidget*>(control);
    if (widget == nullptr || !widget->isVisible()) return;
    Remember(std::string("click ") + name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
  }

  void Command() { Activate(kCommands[Pick(std::size(kCommands))]); }

  void OpenWindow() {
    const char* opener = kOpeners[Pick(std::size(kOpeners))];
    Activate(opener);
    for (const char* name : kSecondaryNames) {
      if (CountOpen(name) > 0 && QApplication::activeWindow() != &window_) {
        ++opened_;
        return;
      }
    }
  }

  void CloseWindow() {
    std::vector<QWidget*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget != &window_ && widget->isVisible() &&
          widget->objectName() != QLatin1String("Form1")) {
        open.push_back(widget);
      }
    }
    if (open.empty()) return;
    QWidget* target = open[Pick(static_cast<int>(open.size()))];
    ++closed_;
    // The About box also has its OK button, which only hides it.
    auto* ok = target->findChild<QAbstractButton*>();
    if (ok != nullptr && Pick(2) == 0) {
      Remember("press OK of " + target->objectName().toStdString());
      QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    } else {
      Remember("close " + target->objectName().toStdString());
      target->close();
    }
  }

  void MoveMouse() {
    QWidget* client = window_.client();
    const QPoint at(Pick(client->width()), Pick(client->height()));
    Remember("move mouse to " + std::to_string(at.x()) + "," +
             std::to_string(at.y()));
    QTest::mouseMove(client, at);
  }

  MainWindow window_;
  std::mt19937 random_;
  QTimer modal_guard_;
  int messages_ = 0;
  int stray_modals_ = 0;
  int opened_ = 0;
  int closed_ = 0;
  std::deque<std::string> recent_;
};

std::string Describe(const std::deque<std::string>& recent) {
  std::string text;
  for (const std::string& action : recent) text += "\n  " + action;
  return text;
}

}  // namespace

class SoakTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    previous_handler = qInstallMessageHandler(DropRaiseWarnings);
    // Print finds no printer and says so; nothing reaches a real queue.
    qputenv("CUPS_SERVER", "/nonexistent/spulix-soak/cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
  }

  void cleanup() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() != QLatin1String("Form1")) widget->close();
    }
    Soak::Settle();
  }

  void randomActionsLeaveAWorkingWindow() {
    const int actions =
        qEnvironmentVariableIsSet("SPULIX_SOAK_ACTIONS")
            ? qEnvironmentVariableIntValue("SPULIX_SOAK_ACTIONS")
            : 100000;
    const unsigned seed =
        qEnvironmentVariableIsSet("SPULIX_SOAK_SEED")
            ? static_cast<unsigned>(
                  qEnvironmentVariableIntValue("SPULIX_SOAK_SEED"))
            : 20240611u;
    QVERIFY(actions >= 2000);
    std::printf("soak: %d actions, seed %u\n", actions, seed);

    Soak soak(seed);
    QVERIFY(QTest::qWaitForWindowExposed(&soak.window()));
    long resident_early = 0;
    for (int i = 1; i <= actions; ++i) {
      soak.Step();
      if (QTest::currentTestFailed()) {
        QFAIL(qPrintable(
            QStringLiteral("action %1 failed; last actions:%2")
                .arg(i)
                .arg(QString::fromStdString(Describe(soak.recent())))));
      }
      if (i % 16 == 0) Soak::Settle();
      if (i % 1000 == 0) {
        // Never two of the same secondary window, one diagram button.
        for (const char* name : kSecondaryNames) {
          QVERIFY2(Soak::CountOpen(name) <= 1, name);
        }
        const bool show = soak.window()
                              .findChild<QWidget*>(QStringLiteral("Command10"))
                              ->isVisible();
        const bool hide = soak.window()
                              .findChild<QWidget*>(QStringLiteral("Command11"))
                              ->isVisible();
        QVERIFY(show != hide);
      }
      if (i == 1000) resident_early = ResidentBytes();
    }
    Soak::Settle();
    const long resident_late = ResidentBytes();
    std::printf(
        "soak: %d messages answered; resident %.1f MiB after 1000 "
        "actions, %.1f MiB after %d\n",
        soak.messages(), resident_early / 1048576.0, resident_late / 1048576.0,
        actions);
    std::printf("soak: %d window openings, %d closings\n", soak.opened(),
                soak.closed());
    QCOMPARE(soak.stray_modals(), 0);
    QVERIFY(soak.opened() > actions / 50);
    QVERIFY(soak.closed() > actions / 50);
    QVERIFY(soak.messages() > 0);  // the run did reach the messages

    // Still the engine's results: cleared, the sample design, refreshed.
    for (const char* name : {"Command3", "Command9", "Command2"}) {
      QTest::mouseClick(
          soak.window().findChild<QWidget*>(QString::fromLatin1(name)),
          Qt::LeftButton);
    }
    MemoryStore engine;
    ClearDesign(engine, engine.choices());
    Command9_Click(engine);
    CalculateDesign(engine);
    for (int n = 1; n <= kFieldCount; ++n) {
      const Field field = FieldFromNumber(n);
      QCOMPARE(soak.window().store().Text(field), engine.Text(field));
    }
    QVERIFY(!engine.Text(Field::kCoilThickness).empty());

    // Leaks under AddressSanitizer are LeakSanitizer's to find; its
    // quarantine makes the resident size meaningless there.
    if (!kAddressSanitizer) {
      constexpr long kAllowance = 4L << 20;
      QVERIFY2(resident_late - resident_early < kAllowance,
               qPrintable(QStringLiteral("grew by %1 KiB")
                              .arg((resident_late - resident_early) / 1024)));
    }
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::SoakTest)
#include "soak_test.moc"
