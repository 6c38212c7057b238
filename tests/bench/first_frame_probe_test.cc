// SPDX-License-Identifier: GPL-3.0-or-later
// The first-frame probe that start-up measurements rely on: it fires once,
// only after the window has painted, and the benchmark's build of the
// program reports the moment and leaves its event loop.
#include "bench/first_frame_probe.h"

#include <unistd.h>

#include <QApplication>
#include <QTemporaryFile>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <cstdio>
#include <ctime>

namespace spulix {
namespace {

// A window that counts its paints.
class CountingWindow : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent* /*event*/) override { ++paints; }
};

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Sends standard output to a file while alive.
class CapturedStdout {
 public:
  CapturedStdout() {
    file_.open();
    std::fflush(stdout);
    saved_ = dup(STDOUT_FILENO);
    dup2(file_.handle(), STDOUT_FILENO);
  }
  ~CapturedStdout() { Release(); }

  QByteArray Release() {
    if (saved_ >= 0) {
      std::fflush(stdout);
      dup2(saved_, STDOUT_FILENO);
      close(saved_);
      saved_ = -1;
    }
    QFile read(file_.fileName());
    read.open(QIODevice::ReadOnly);
    return read.readAll();
  }

 private:
  QTemporaryFile file_;
  int saved_ = -1;
};

}  // namespace

class FirstFrameProbeTest : public QObject {
  Q_OBJECT

 private slots:
  void firesOnceAfterTheFirstPaint() {
    CountingWindow window;
    window.resize(200, 100);
    int calls = 0;
    int paints_at_call = -1;
    OnFirstFrame(&window, [&] {
      ++calls;
      paints_at_call = window.paints;
    });
    // Hidden, the window draws nothing and the probe waits.
    QTest::qWait(50);
    QCOMPARE(calls, 0);

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(calls, 1);
    QVERIFY(paints_at_call >= 1);

    // Later frames do not call again.
    window.update();
    window.repaint();
    QTest::qWait(50);
    QVERIFY(window.paints > paints_at_call);
    QCOMPARE(calls, 1);
  }

  void exitAfterFirstFrameReportsTheFrameAndLeaves() {
    CountingWindow window;
    window.resize(200, 100);
    ExitAfterFirstFrame(&window);

    CapturedStdout captured;
    const long long before = MonotonicNs();
    window.show();
    // A probe that never fires ends the loop with another status.
    QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });
    const int status = QCoreApplication::exec();
    const long long after = MonotonicNs();
    const QByteArray output = captured.Release();

    QCOMPARE(status, 0);
    QVERIFY(window.paints >= 1);
    QVERIFY2(output.startsWith("first-frame-ns "), output.constData());
    QVERIFY(output.endsWith('\n'));
    bool ok = false;
    const long long reported = output.mid(15).trimmed().toLongLong(&ok);
    QVERIFY(ok);
    QVERIFY(reported >= before);
    QVERIFY(reported <= after);
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::FirstFrameProbeTest)
#include "first_frame_probe_test.moc"
