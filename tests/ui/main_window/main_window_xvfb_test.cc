// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a real X server: where it places itself, where the
// focus goes when it becomes active, and how it looks.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ui/main_window/main_window.h"
#include "ui/placement/center_on_screen.h"

namespace spulix {

class MainWindowXvfbTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;

  void ShowAndActivate(QWidget* widget) {
    widget->show();
    widget->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(widget));
  }
  QPoint ScreenCentre() const { return window_->screen()->geometry().center(); }
  QString FocusName() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
  }

 private slots:
  void init() {
    window_ = std::make_unique<MainWindow>();
    window_->store().SetMessageSink([](std::string_view) {});
  }
  void cleanup() { window_.reset(); }

  // Single precision, divided by 2, no clamping: a frame larger than the
  // screen gets a negative corner around the same centre.
  void centredTopLeft_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("fits") << QRect(0, 0, 1280, 1024) << QSize(778, 560)
                          << QPoint(251, 232);
    QTest::newRow("odd difference")
        << QRect(0, 0, 1280, 1024) << QSize(777, 561) << QPoint(251, 231);
    QTest::newRow("wider and taller than the screen")
        << QRect(0, 0, 800, 600) << QSize(1000, 700) << QPoint(-100, -50);
    QTest::newRow("odd overhang")
        << QRect(0, 0, 800, 600) << QSize(801, 603) << QPoint(-1, -2);
    QTest::newRow("second display")
        << QRect(1280, 0, 1920, 1080) << QSize(800, 600) << QPoint(1840, 240);
    QTest::newRow("exact fit")
        << QRect(0, 0, 777, 560) << QSize(777, 560) << QPoint(0, 0);
  }
  void centredTopLeft() {
    QFETCH(QRect, screen);
    QFETCH(QSize, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(CenteredTopLeft(screen, frame.width(), frame.height()), topLeft);
  }

  void centresItselfWhenShown() {
    ShowAndActivate(window_.get());
    QTRY_VERIFY((window_->frameGeometry().center() - ScreenCentre())
                    .manhattanLength() <= 2);
  }

  void restoringCentresItAgain() {
    ShowAndActivate(window_.get());
    // Dragged to a corner, it stays there while the user works.
    window_->move(0, 0);
    QTRY_COMPARE(window_->frameGeometry().topLeft(), QPoint(0, 0));
    window_->field(Field::kInputVoltage)->setText(QStringLiteral("220"));
    QCOMPARE(window_->frameGeometry().topLeft(), QPoint(0, 0));
    // Minimised it does not move; restored it is back in the centre.
    window_->setWindowState(Qt::WindowMinimized);
    QCOMPARE(window_->frameGeometry().topLeft(), QPoint(0, 0));
    window_->setWindowState(Qt::WindowNoState);
    QTRY_VERIFY((window_->frameGeometry().center() - ScreenCentre())
                    .manhattanLength() <= 2);
  }

  void activationPutsTheFocusIntoU1() {
    ShowAndActivate(window_.get());
    QTRY_COMPARE(FocusName(), QStringLiteral("Text10"));
    // Back from another window of the program: into U1 again.
    window_->field(Field::kOutputPower)->setFocus();
    QCOMPARE(FocusName(), QStringLiteral("Text1"));
    QWidget table;
    table.setWindowTitle(QStringLiteral("table"));
    table.resize(200, 100);
    ShowAndActivate(&table);
    ShowAndActivate(window_.get());
    QTRY_COMPARE(FocusName(), QStringLiteral("Text10"));
  }

  // A message box closing gives the activation back without moving focus.
  void closedMessageBoxLeavesTheFocus() {
    ShowAndActivate(window_.get());
    QTRY_COMPARE(FocusName(), QStringLiteral("Text10"));
    window_->store().SetMessageSink(nullptr);
    QLineEdit* p2 = window_->field(Field::kOutputPower);
    p2->setFocus();
    bool dismissed = false;
    std::function<void()> dismiss = [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isActiveWindow()) {
        QTimer::singleShot(20, dismiss);
        return;
      }
      dismissed = true;
      box->button(QMessageBox::Ok)->click();
      // What a window manager does when the box goes: the main window
      // becomes active again.
      window_->activateWindow();
    };
    QTimer::singleShot(20, dismiss);
    window_->store().ShowMessage("请输入输入电压！");
    QVERIFY(dismissed);
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::qWait(100);
    QCOMPARE(FocusName(), QStringLiteral("Text1"));
  }

  // After the test button the window shows the sample design; the picture
  // is also what the README shows when SPULIX_SCREENSHOT names a file.
  void looksRightAfterTheTestButton() {
    ShowAndActivate(window_.get());
    QTest::mouseClick(window_->findChild<QPushButton*>("Command9"),
                      Qt::LeftButton);
    QTest::qWait(200);  // a clock tick or two
    const QImage image = window_->grab().toImage();
    const QString path = qEnvironmentVariable("SPULIX_SCREENSHOT");
    if (!path.isEmpty()) QVERIFY(image.save(path));
    QCOMPARE(image.size() / image.devicePixelRatio(), window_->size());
    // Backgrounds of the four field styles, right of the short texts.
    const auto background_of = [&](Field field) {
      QWidget* edit = window_->field(field);
      const QPoint inside(edit->width() - 6, edit->height() / 2);
      return QColor(image.pixel(edit->mapTo(window_.get(), inside)));
    };
    QCOMPARE(background_of(Field::kInputVoltage), QColor(QRgb(0x00C000)));
    QCOMPARE(background_of(Field::kPrimaryOuterInsulation),
             QColor(QRgb(0x8080FF)));
    QCOMPARE(background_of(Field::kPrimaryWireDiameter),
             QColor(QRgb(0xC0C0C0)));
    QCOMPARE(background_of(Field::kTurnsPerVolt), QColor(QRgb(0x000000)));
    // The clock is written in green on the black strip.
    auto* clock = window_->findChild<QLabel*>("Label5");
    QVERIFY(!clock->text().isEmpty());
    bool green = false;
    const QRect clock_rect(clock->mapTo(window_.get(), QPoint(0, 0)),
                           clock->size());
    for (int y = clock_rect.top(); y <= clock_rect.bottom() && !green; ++y) {
      for (int x = clock_rect.left(); x <= clock_rect.right(); ++x) {
        if (QColor(image.pixel(x, y)) == QColor(QRgb(0x00C000))) green = true;
      }
    }
    QVERIFY(green);
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::MainWindowXvfbTest)
#include "main_window_xvfb_test.moc"
