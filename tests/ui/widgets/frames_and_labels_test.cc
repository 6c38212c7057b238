// SPDX-License-Identifier: GPL-3.0-or-later
// How the frames and auto-sized labels of the main window look: a frame's
// caption on its top edge with the border line through its middle, exact
// fills, and labels as high as their ink, the ink starting at their top.
#include <QLabel>
#include <QtTest>
#include <memory>

#include "ui/main_window/main_window.h"

namespace spulix {
namespace {

// First and last row of `image` holding a pixel unlike `background`.
std::pair<int, int> InkRows(const QImage& image, QColor background) {
  int first = -1, last = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != background) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  }
  return {first, last};
}

}  // namespace

class FramesAndLabelsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;
  QWidget* Find(const QString& name) {
    return window_->findChild<QWidget*>(name);
  }

 private slots:
  void init() {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void frames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("field");  // a field inside, or none
    QTest::addColumn<QRgb>("fill");      // 0: the window's background
    QTest::newRow("Frame1") << "Frame1"
                            << "Text26" << QRgb(0);
    QTest::newRow("Frame2") << "Frame2"
                            << "Text29" << QRgb(0);
    QTest::newRow("Frame3") << "Frame3"
                            << "" << QRgb(0);
    QTest::newRow("Frame4") << "Frame4"
                            << "" << qRgb(0x80, 0x80, 0xFF);
  }
  void frames() {
    QFETCH(QString, name);
    QFETCH(QString, field);
    QFETCH(QRgb, fill);
    QWidget* frame = Find(name);
    frame->show();
    const QImage image = frame->grab().toImage();
    const QColor background =
        fill ? QColor(fill)
             : window_->client()->palette().color(QPalette::Window);
    QCOMPARE(image.pixelColor(image.width() - 6, image.height() - 6),
             background);
    // The border's top line: the first row unlike the fill at the left.
    const int line = InkRows(image.copy(4, 0, 1, 20), background).first;
    QVERIFY(line > 0);
    if (field.isEmpty()) return;
    // The caption starts on the top edge, the line runs through its middle
    // and stops short of it, and the fields stand below the line.
    const int field_top = Find(field)->y();
    QVERIFY(field_top > line + 1);
    const auto caption = InkRows(image.copy(20, 0, 40, field_top), background);
    QCOMPARE(caption.first, 0);
    QVERIFY(qAbs(2 * line - caption.first - caption.second) <= 2);
    QCOMPARE(image.pixelColor(7, line), background);
  }

  // The box hugs the ink: ink in its first and its last row (or the row
  // next to it: tight metrics round outwards, and captions of one font
  // share the top row of a Chinese character).
  void labelsAsHighAsTheirInk_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"Label1", "Label34", "Label28", "Label64", "Label69", "Label5"}) {
      QTest::newRow(name) << name;
    }
  }
  void labelsAsHighAsTheirInk() {
    QFETCH(QString, name);
    window_->Timer1_Timer(QDateTime(QDate(2024, 1, 2), QTime(14, 5, 9)));
    auto* label = qobject_cast<QLabel*>(Find(name));
    label->show();
    const QImage image = label->grab().toImage();
    const auto rows = InkRows(image, label->palette().color(QPalette::Window));
    QVERIFY2(rows.first >= 0 && rows.first <= 1, qPrintable(name));
    QVERIFY(rows.second >= label->height() - 2);
    QCOMPARE(label->size(), label->sizeHint());
  }

  // "舌宽" below the diagram keeps clear of the status strip.
  void tongueCaptionAboveStatusStrip() {
    QWidget* tongue = Find(QStringLiteral("Label64"));
    QVERIFY(tongue->height() <= 14);
    QVERIFY(tongue->geometry().bottom() < Find(QStringLiteral("Frame3"))->y());
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::FramesAndLabelsTest)
#include "frames_and_labels_test.moc"
