// SPDX-License-Identifier: GPL-3.0-or-later
// The cross-section and the load curves painted offscreen: the window's
// outline and the layers where the geometry puts them, each curve inside its
// panel, nothing at all without a sheet. With SPULIX_SCREENSHOT_DIR set, the
// pictures are written there too (coil-section-*.png, load-curve-*.png).
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <string>

#include "design/sheet/coil_section.h"
#include "present/coil_drawing.h"
#include "tests/design/sheet/sheet_designs.h"
#include "ui/language/language.h"
#include "ui/widgets/coil_section_view.h"
#include "ui/widgets/load_curve_view.h"

namespace spulix {
namespace {

using testing_support::SheetDesign;

QImage Blank(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void Keep(const QImage& image, const QString& name) {
  const QString dir = qEnvironmentVariable("SPULIX_SCREENSHOT_DIR");
  if (!dir.isEmpty()) image.save(QDir(dir).filePath(name));
}

bool AllOneColour(const QImage& image) {
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != first) return false;
    }
  }
  return true;
}

}  // namespace

class DrawingViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void coilOutlineAndLayersAreWhereTheGeometrySays_data() {
    QTest::addColumn<QString>("design");
    for (const std::string& name : testing_support::SheetDesignNames()) {
      QTest::newRow(name.c_str()) << QString::fromStdString(name);
    }
  }
  void coilOutlineAndLayersAreWhereTheGeometrySays() {
    QFETCH(QString, design);
    const WindingSheet sheet = SheetDesign(design.toStdString());
    const CoilSection section = CoilSectionOf(sheet);
    QImage image = Blank(QSize(900, 600));
    QPainter painter(&image);
    const QRectF area(10, 10, 880, 580);
    const QTransform to_area =
        CoilSectionView::MillimetresToArea(painter, area, section);
    CoilSectionView::Paint(painter, area, section);
    painter.end();
    Keep(image, "coil-section-" + design + ".png");

    // The whole window lies inside the area, drawn to one scale.
    const QRectF window = to_area.mapRect(QRectF(0, 0, sheet.c_mm, sheet.h_mm));
    QVERIFY(area.contains(window));
    QCOMPARE(to_area.m11(), to_area.m22());
    // Its outline: black on the bottom edge, halfway across.
    const QPoint bottom(qRound(window.center().x()), qRound(window.bottom()));
    QCOMPARE(QColor(image.pixel(bottom)), QColor(Qt::black));
    // Just below the outline nothing but paper.
    QCOMPARE(QColor(image.pixel(bottom + QPoint(0, 3))), QColor(Qt::white));
    // The middle of each winding's first layer has its fill.
    for (const SectionWinding& w : section.windings) {
      const SectionRect& r = w.layers.front().rect;
      const double scale = to_area.m11();
      if (r.width * scale < 4) continue;  // too thin to hit inside the pen
      const QPoint inside =
          to_area.map(QPointF(r.x + r.width / 2, r.y + r.height / 2)).toPoint();
      const DrawingColour fill = WindingColour(w.index);
      QCOMPARE(QColor(image.pixel(inside)),
               QColor(fill.red, fill.green, fill.blue));
    }
  }

  void curvesStayInTheirPanels() {
    const WindingSheet sheet = SheetDesign("extras");
    const LoadCurvePlot plot = LoadCurveView::PlotOf(sheet);
    QImage image = Blank(QSize(600, 480));
    QPainter painter(&image);
    const QRectF area(0, 0, 600, 480);
    const auto panels = LoadCurveView::Panels(painter, area);
    LoadCurveView::Paint(painter, area, plot);
    painter.end();
    Keep(image, "load-curve-extras.png");
    const auto count_outside = [&image](QColor colour, const QRectF& panel,
                                        int* inside) {
      int outside = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          if (QColor(image.pixel(x, y)) != colour) continue;
          if (panel.adjusted(-1, -1, 1, 1).contains(QPointF(x, y))) {
            ++*inside;
          } else {
            ++outside;
          }
        }
      }
      return outside;
    };
    int inside = 0;
    QCOMPARE(
        count_outside(LoadCurveView::kEfficiencyColour, panels[0], &inside), 0);
    // A line across the panel, not a dot.
    QVERIFY(inside > panels[0].width());
    inside = 0;
    QCOMPARE(count_outside(LoadCurveView::kRiseColour, panels[1], &inside), 0);
    QVERIFY(inside > panels[1].width());
    for (int k = 0; k + 1 < 3; ++k) {
      QVERIFY(panels[k].bottom() < panels[k + 1].top());
      QVERIFY(area.contains(panels[k]));
    }
  }

  void nothingIsDrawnWithoutASheet() {
    const WindingSheet sheet = SheetDesign("single");
    CoilSectionView coil;
    LoadCurveView curve;
    for (QWidget* view :
         {static_cast<QWidget*>(&coil), static_cast<QWidget*>(&curve)}) {
      view->resize(400, 300);
    }
    coil.SetSheet(&sheet);
    curve.SetSheet(&sheet);
    QVERIFY(!AllOneColour(coil.grab().toImage()));
    QVERIFY(!AllOneColour(curve.grab().toImage()));
    coil.SetSheet(nullptr);
    curve.SetSheet(nullptr);
    QVERIFY(!coil.section().has_value());
    QVERIFY(curve.plot().curve.empty());
    QVERIFY(AllOneColour(coil.grab().toImage()));
    QVERIFY(AllOneColour(curve.grab().toImage()));
  }

  // Looked at, not checked: the views as a widget shows them, in English.
  void englishPictures() {
    if (qEnvironmentVariable("SPULIX_SCREENSHOT_DIR").isEmpty()) {
      QSKIP("SPULIX_SCREENSHOT_DIR is not set");
    }
    QVERIFY(ApplyLanguage(Language::kEnglish));
    const WindingSheet sheet = SheetDesign("five");
    CoilSectionView coil;
    LoadCurveView curve;
    coil.resize(520, 360);
    curve.resize(520, 420);
    coil.SetSheet(&sheet);
    curve.SetSheet(&sheet);
    Keep(coil.grab().toImage(), "coil-section-five-en.png");
    Keep(curve.grab().toImage(), "load-curve-five-en.png");
    QVERIFY(ApplyLanguage(Language::kChinese));
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::DrawingViewsTest)
#include "drawing_views_test.moc"
