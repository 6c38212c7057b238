// SPDX-License-Identifier: GPL-3.0-or-later
// The secondary windows on a real X server: where they land and what the
// screen shows. With SPULIX_SCREENSHOT_DIR set, screenshots of the table
// windows and the About box are written there (tables.png, about.png).
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "ui/reference/secondary_windows.h"

namespace spulix {
namespace {

QScreen* Screen() { return QGuiApplication::primaryScreen(); }

// What the screen shows inside the rectangle.
QImage ScreenImage(const QRect& rect) {
  return Screen()
      ->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

// Equal margins around the window. Without a window manager the frame is
// the client area; with one the frame is known only after mapping, after
// the window has centred itself, so its thickness is allowed for.
bool CentredAllowingForFrame(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect screen = Screen()->geometry();
  const int horizontal_slack = 1 + frame.width() - window->width();
  const int vertical_slack = 1 + frame.height() - window->height();
  return qAbs((frame.left() - screen.left()) -
              (screen.right() - frame.right())) <= horizontal_slack &&
         qAbs((frame.top() - screen.top()) -
              (screen.bottom() - frame.bottom())) <= vertical_slack;
}

void Settle() {
  QTest::qWait(300);  // the X server and a window manager, if any, catch up
}

}  // namespace

class SecondaryWindowsXvfbTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();
  void tablesAppearOnScreenWhereExpected();
  void aboutBoxCentredOnScreen();
  void screenshots();
};

void SecondaryWindowsXvfbTest::initTestCase() {
  if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
    QSKIP("needs an X server (run under xvfb-run)");
  }
}

void SecondaryWindowsXvfbTest::cleanup() {
  for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SecondaryWindowsXvfbTest::tablesAppearOnScreenWhereExpected() {
  SecondaryWindows windows;
  const QPoint origin = Screen()->geometry().topLeft();
  QWidget* dialog1 = windows.Open(SecondaryWindow::kCoefficient);
  QVERIFY(QTest::qWaitForWindowExposed(dialog1));
  Settle();
  QCOMPARE(dialog1->geometry().topLeft(), origin + QPoint(184, 250));
  // On screen, the table's frame corner (picture pixel 11, 11) is black at
  // that place and the white margin left of it is white.
  const QImage shown =
      ScreenImage(QRect(origin + QPoint(184, 250), QSize(20, 20)));
  QCOMPARE(shown.pixelColor(11, 11), QColor(Qt::black));
  QCOMPARE(shown.pixelColor(5, 5), QColor(Qt::white));

  QWidget* dialog = windows.Open(SecondaryWindow::kEfficiency);
  QVERIFY(QTest::qWaitForWindowExposed(dialog));
  Settle();
  QVERIFY(CentredAllowingForFrame(dialog));
  // A tool window: kept out of the task bar by the window manager.
  QCOMPARE(dialog->windowHandle()->type(), Qt::Tool);
}

void SecondaryWindowsXvfbTest::aboutBoxCentredOnScreen() {
  SecondaryWindows windows;
  QWidget* about = windows.Open(SecondaryWindow::kAbout);
  QVERIFY(QTest::qWaitForWindowExposed(about));
  Settle();
  QVERIFY(CentredAllowingForFrame(about));
}

void SecondaryWindowsXvfbTest::screenshots() {
  const QString dir = qEnvironmentVariable("SPULIX_SCREENSHOT_DIR");
  if (dir.isEmpty()) QSKIP("set SPULIX_SCREENSHOT_DIR to write screenshots");
  SecondaryWindows windows;

  // The four tables, moved apart so that each can be seen whole.
  const struct {
    SecondaryWindow which;
    QPoint place;
  } tables[] = {
      {SecondaryWindow::kEfficiency, QPoint(20, 30)},
      {SecondaryWindow::kCoefficient, QPoint(20, 180)},
      {SecondaryWindow::kFluxDensity, QPoint(440, 180)},
      {SecondaryWindow::kStacking, QPoint(20, 400)},
  };
  QRect area;
  for (const auto& table : tables) {
    QWidget* window = windows.Open(table.which);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    Settle();
    window->move(table.place);
    Settle();
    area |= window->frameGeometry();
  }
  Settle();
  QVERIFY(ScreenImage(area.adjusted(-10, -10, 10, 10))
              .save(QDir(dir).filePath("tables.png")));
  cleanup();

  QWidget* about = windows.Open(SecondaryWindow::kAbout);
  QVERIFY(QTest::qWaitForWindowExposed(about));
  Settle();
  QVERIFY(ScreenImage(about->frameGeometry().adjusted(-10, -10, 10, 10))
              .save(QDir(dir).filePath("about.png")));
}

}  // namespace spulix

QTEST_MAIN(spulix::SecondaryWindowsXvfbTest)
#include "secondary_windows_xvfb_test.moc"
