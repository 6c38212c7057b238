// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and closing each secondary window 200 times through the main
// window's own controls leaves nothing behind: no window object survives its
// closing, and the heap in use does not grow with the number of rounds.
// Under AddressSanitizer, LeakSanitizer checks the rest at exit.
#include <malloc.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPixmapCache>
#include <QPointer>
#include <QtTest>
#include <cstddef>
#include <cstdio>

#include "ui/main_window/main_window.h"

#if defined(__SANITIZE_ADDRESS__)
#define SPULIX_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SPULIX_ASAN 1
#endif
#endif
#ifdef SPULIX_ASAN
// From the sanitizer runtime (its header does not come with every compiler).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace spulix {
namespace {

// Qt's caches (styles, glyphs) grow in steps during the first few dozen
// openings, then stay; the 200 rounds that count come after those.
constexpr int kWarmUpRounds = 100;
constexpr int kRounds = kWarmUpRounds + 200;
// A leak of a few hundred bytes a round shows here; smaller ones are left to
// LeakSanitizer.
constexpr long long kAllowedGrowth = 64 * 1024;

// Bytes the program holds on the heap now, not counting the pictures the
// style keeps for reuse (a cache with a limit, whose keys include each new
// window's palette).
long long HeapInUse() {
  QPixmapCache::clear();
#ifdef SPULIX_ASAN
  return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
  const struct mallinfo2 info = mallinfo2();
  return static_cast<long long>(info.uordblks + info.hblkhd);
#endif
}

void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Window objects of that name, shown or hidden.
int CountWindows(const QString& name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) ++count;
  }
  return count;
}

// The OK button of a window, if it has one.
QAbstractButton* OkButton(QWidget* window) {
  return window->findChild<QAbstractButton*>();
}

}  // namespace

class WindowLeakTest : public QObject {
  Q_OBJECT

 private slots:

  void openAndCloseLeavesNothing_data() {
    QTest::addColumn<QString>("opener");  // menu item of the main window
    QTest::addColumn<QString>("window");  // object name of what it opens
    QTest::addColumn<bool>("by_ok");      // closed by its OK button
    QTest::addColumn<int>("survivors");   // window objects left after

    QTest::newRow("efficiency table") << "XLB"
                                      << "Dialog" << false << 0;
    QTest::newRow("coefficient table") << "XSB"
                                       << "Dialog1" << false << 0;
    QTest::newRow("flux density table") << "MDB"
                                        << "Dialog2" << false << 0;
    QTest::newRow("stacking table") << "JXXS"
                                    << "Dialog3" << false << 0;
    QTest::newRow("help") << "HELP"
                          << "HELP" << false << 0;
    QTest::newRow("about, title bar") << "ABORT"
                                      << "Form2" << false << 0;
    QTest::newRow("winding sheet") << "RZD"
                                   << "SheetWindow" << false << 0;
    // OK only hides the About box; the same box comes back each time.
    QTest::newRow("about, OK") << "ABORT"
                               << "Form2" << true << 1;
  }

  void openAndCloseLeavesNothing() {
    QFETCH(QString, opener);
    QFETCH(QString, window);
    QFETCH(bool, by_ok);
    QFETCH(int, survivors);

    MainWindow form1;
    form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));
    // The first tick of the clock loads its face; let that happen first.
    auto* clock = form1.findChild<QLabel*>(QStringLiteral("Label5"));
    QTRY_VERIFY(!clock->text().isEmpty());
    auto* open = form1.findChild<QAction*>(opener);
    QVERIFY(open != nullptr);

    long long heap_after_warm_up = 0;
    for (int round = 1; round <= kRounds; ++round) {
      open->trigger();
      Settle();
      QPointer<QWidget> shown;
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == window && widget->isVisible()) {
          shown = widget;
        }
      }
      QVERIFY2(shown != nullptr, qPrintable(window));
      if (by_ok) {
        QAbstractButton* ok = OkButton(shown);
        QVERIFY(ok != nullptr);
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
      } else {
        QVERIFY(shown->close());
      }
      Settle();
      // Closed by the title bar it is gone; hidden by OK it waits.
      if (by_ok) {
        QVERIFY(!shown.isNull() && !shown->isVisible());
      } else {
        QVERIFY(shown.isNull());
      }
      QCOMPARE(CountWindows(window), survivors);
      if (round == kWarmUpRounds) heap_after_warm_up = HeapInUse();
    }
    const long long growth = HeapInUse() - heap_after_warm_up;
    std::printf("%s: heap grew by %lld bytes over %d rounds\n",
                qPrintable(window), growth, kRounds - kWarmUpRounds);
    QVERIFY2(growth < kAllowedGrowth,
             qPrintable(QStringLiteral("%1 bytes").arg(growth)));
  }

  void cleanup() {
    for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
    Settle();
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::WindowLeakTest)
#include "window_leak_test.moc"
