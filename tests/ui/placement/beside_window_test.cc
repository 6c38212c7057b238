// SPDX-License-Identifier: GPL-3.0-or-later
// A tool window opens wholly on the screen: beside the main window where
// the screen has room, else centred, and never larger than the screen.
#include "ui/placement/beside_window.h"

#include <QtTest>

namespace spulix {

class BesideWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void Places_data() {
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QString>("where");
    const QRect wide(0, 0, 2560, 1440);
    const QRect laptop(0, 0, 1366, 768);
    QTest::newRow("room to the right")
        << QRect(20, 40, 600, 500) << QSize(1040, 600) << wide << "right";
    QTest::newRow("room to the left only")
        << QRect(1500, 40, 600, 500) << QSize(800, 600) << wide << "left";
    QTest::newRow("no room: centred")
        << QRect(300, 40, 600, 500) << QSize(1040, 600) << laptop << "centre";
    QTest::newRow("no main window: centred")
        << QRect() << QSize(1040, 600) << laptop << "centre";
    QTest::newRow("larger than the screen: shrunk")
        << QRect(0, 0, 600, 500) << QSize(1600, 1000) << laptop << "centre";
    QTest::newRow("a screen that is not the first")
        << QRect(1400, 100, 600, 500) << QSize(700, 500)
        << QRect(1366, 0, 1920, 1080) << "right";
  }
  void Places() {
    QFETCH(QRect, main);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QFETCH(QString, where);
    const QRect placed = PlaceBeside(main, size, screen);
    // With its frame, wholly on the screen.
    const QRect framed =
        placed.adjusted(-kFrameAllowance / 4, -kFrameAllowance / 2,
                        kFrameAllowance / 4, kFrameAllowance / 4);
    QVERIFY2(screen.contains(framed), qPrintable(QString("%1,%2 %3x%4")
                                                     .arg(placed.x())
                                                     .arg(placed.y())
                                                     .arg(placed.width())
                                                     .arg(placed.height())));
    QVERIFY(placed.width() <= size.width() && placed.height() <= size.height());
    if (where == "right") {
      QVERIFY(placed.left() > main.right());
      QCOMPARE(placed.size(), size);
    } else if (where == "left") {
      QVERIFY(placed.right() < main.left());
    } else {
      QVERIFY(qAbs(placed.center().x() - screen.center().x()) <= 1);
    }
    QVERIFY(!placed.intersects(main) || where == "centre");
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::BesideWindowTest)
#include "beside_window_test.moc"
