// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the pictures compiled into the program: every resource the windows
// load exists with its exact size, the reference tables (Chinese and
// English) are ruled black and white with each text centred in its cell,
// and the core diagram leaves room for its figure labels beside the arrows.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>
#include <QtTest>
#include <iterator>
#include <vector>

namespace spulix {
namespace {

// One reference table as it must be drawn: outer frame from (11, 11) to
// `frame_end`, 2 pixels wide; 1-pixel rules; rows holding one text span the
// whole width and the column rules start below them.
struct TableLayout {
  const char* path;
  QSize size;
  QPoint frame_end;
  std::vector<int> row_rules;
  std::vector<int> column_rules;
  int spanning_rows;  // rows at the top without column rules
};

// The Chinese tables and, ruled exactly like them, the English ones.
std::vector<TableLayout> WithEnglish(std::vector<TableLayout> tables) {
  const char* const english[] = {
      ":/tables/efficiency_en.png", ":/tables/coefficient_en.png",
      ":/tables/flux_density_en.png", ":/tables/stacking_en.png"};
  for (std::size_t i = 0; i < std::size(english); ++i) {
    tables.push_back(tables[i]);
    tables.back().path = english[i];
  }
  return tables;
}

const std::vector<TableLayout>& TableLayouts() {
  static const std::vector<TableLayout> layouts = WithEnglish({
      {":/tables/efficiency.png",
       {613, 87},
       {601, 74},
       {43},
       {146, 222, 297, 373, 448, 524},
       0},
      {":/tables/coefficient.png",
       {394, 173},
       {381, 160},
       {43, 68, 98, 129},
       {197},
       0},
      {":/tables/flux_density.png",
       {448, 208},
       {436, 195},
       {43, 73, 104, 134, 164},
       {154},
       1},
      {":/tables/stacking.png", {459, 180}, {447, 167}, {78, 123}, {230}, 1},
  });
  return layouts;
}

// Interiors of all cells of `table`, row by row.
std::vector<QRect> Cells(const TableLayout& table) {
  std::vector<int> ys = {12};
  ys.insert(ys.end(), table.row_rules.begin(), table.row_rules.end());
  ys.push_back(table.frame_end.y() - 1);
  std::vector<int> xs = {12};
  xs.insert(xs.end(), table.column_rules.begin(), table.column_rules.end());
  xs.push_back(table.frame_end.x() - 1);
  std::vector<QRect> cells;
  for (std::size_t row = 0; row + 1 < ys.size(); ++row) {
    const bool spans = static_cast<int>(row) < table.spanning_rows;
    for (std::size_t column = 0; column + 1 < xs.size(); ++column) {
      const int right = spans ? xs.back() : xs[column + 1];
      cells.push_back(QRect(QPoint(xs[column] + 1, ys[row] + 1),
                            QPoint(right - 1, ys[row + 1] - 1)));
      if (spans) break;
    }
  }
  return cells;
}

bool IsBlack(const QImage& image, int x, int y) {
  return image.pixel(x, y) == qRgb(0, 0, 0);
}

// Bounding box of the black pixels inside `area`.
QRect Ink(const QImage& image, const QRect& area) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (IsBlack(image, x, y)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

int CountDark(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 64) ++count;
    }
  }
  return count;
}

QImage Load(const QString& path) {
  return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// Mean colour of the pixels that are at least half opaque.
QColor MeanOpaqueColour(const QImage& image) {
  long long r = 0, g = 0, b = 0, n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qAlpha(p) < 128) continue;
      r += qRed(p);
      g += qGreen(p);
      b += qBlue(p);
      ++n;
    }
  }
  if (n == 0) return QColor();
  return QColor(static_cast<int>(r / n), static_cast<int>(g / n),
                static_cast<int>(b / n));
}

constexpr QRgb kPlateGrey = 0xFFD6D2D7;
// Label rectangles for figures of five characters, 6 pixels each, as tall as
// a 9-point line of the CJK faces.
const QRect kWidthLabel(48, 8, 30, 18);
const QRect kTongueLabel(96, 104, 30, 18);
const QRect kHeightLabel(160, 56, 30, 18);

}  // namespace

class ResourcesTest : public QObject {
  Q_OBJECT

 private slots:

  void pictureHasItsSize_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const struct {
      const char* path;
      QSize size;
    } pictures[] = {
        {":/icons/spulix.png", {32, 32}},
        {":/icons/print.png", {32, 32}},
        {":/icons/refresh.png", {32, 32}},
        {":/icons/clear.png", {32, 32}},
        {":/icons/query.png", {32, 32}},
        {":/icons/calculator.png", {32, 32}},
        {":/icons/about.png", {32, 32}},
        {":/icons/help.png", {32, 32}},
        {":/icons/exit.png", {20, 20}},
        {":/pictures/core_diagram.png", {191, 128}},
        {":/pictures/about.png", {72, 72}},
        {":/tables/efficiency.png", {613, 87}},
        {":/tables/coefficient.png", {394, 173}},
        {":/tables/flux_density.png", {448, 208}},
        {":/tables/stacking.png", {459, 180}},
        {":/tables/efficiency_en.png", {613, 87}},
        {":/tables/coefficient_en.png", {394, 173}},
        {":/tables/flux_density_en.png", {448, 208}},
        {":/tables/stacking_en.png", {459, 180}},
    };
    for (const auto& picture : pictures) {
      QTest::newRow(picture.path) << QString(picture.path) << picture.size;
    }
  }
  void pictureHasItsSize() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path + " does not load"));
    QCOMPARE(image.size(), size);
  }

  // What the main window shows comes at twice the size for finer screens.
  void doubleSizePictureForFinerScreens_data() {
    QTest::addColumn<QString>("path");
    for (const char* path :
         {":/icons/spulix.png", ":/icons/print.png", ":/icons/refresh.png",
          ":/icons/clear.png", ":/icons/query.png", ":/icons/calculator.png",
          ":/icons/about.png", ":/icons/exit.png",
          ":/pictures/core_diagram.png"}) {
      QTest::newRow(path) << QString(path);
    }
  }
  void doubleSizePictureForFinerScreens() {
    QFETCH(QString, path);
    const QImage single(path);
    const QImage doubled(QString(path).replace(".png", "@2x.png"));
    QVERIFY(!single.isNull() && !doubled.isNull());
    QCOMPARE(doubled.size(), single.size() * 2);
    // The same picture: halved, it differs little from the single one.
    const QImage halved = doubled
                              .scaled(single.size(), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    const QImage base = single.convertToFormat(QImage::Format_ARGB32);
    qint64 difference = 0;
    for (int y = 0; y < base.height(); ++y) {
      for (int x = 0; x < base.width(); ++x) {
        const QRgb a = base.pixel(x, y);
        const QRgb b = halved.pixel(x, y);
        difference += qAbs(qGray(a) - qGray(b)) + qAbs(qAlpha(a) - qAlpha(b));
      }
    }
    const qint64 mean = difference / (base.width() * base.height());
    QVERIFY2(mean < 24, qPrintable(QString("mean difference %1").arg(mean)));
  }

  // Icons are true colour with a transparent surround and a visible body.
  void iconIsTrueColourWithAlpha_data() {
    QTest::addColumn<QString>("path");
    for (const char* path :
         {":/icons/spulix.png", ":/icons/print.png", ":/icons/refresh.png",
          ":/icons/clear.png", ":/icons/query.png", ":/icons/calculator.png",
          ":/icons/about.png", ":/icons/help.png", ":/icons/exit.png",
          ":/pictures/about.png"}) {
      QTest::newRow(path) << QString(path);
    }
  }
  void iconIsTrueColourWithAlpha() {
    QFETCH(QString, path);
    const QImage raw(path);
    QVERIFY(raw.hasAlphaChannel());
    QVERIFY(raw.depth() >= 24);
    const QImage image = raw.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(image.pixel(0, image.height() - 1)), 0);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(image.pixel(x, y)) == 255) ++opaque;
      }
    }
    QVERIFY2(opaque >= image.width() * image.height() / 5,
             qPrintable(QString("only %1 opaque pixels").arg(opaque)));
  }

  void facesAreYellow_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("exit face") << QString(":/icons/exit.png");
    QTest::newRow("help question mark") << QString(":/icons/help.png");
  }
  void facesAreYellow() {
    QFETCH(QString, path);
    const QColor mean = MeanOpaqueColour(Load(path));
    QVERIFY(mean.isValid());
    QVERIFY2(mean.red() > 170 && mean.green() > 130 && mean.blue() < 100,
             qPrintable(mean.name()));
  }

  void scalableIconIsSvgOfTheSameCanvas() {
    QFile file(":/icons/spulix.svg");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    QVERIFY(svg.startsWith("<?xml"));
    QVERIFY(svg.contains("<svg xmlns=\"http://www.w3.org/2000/svg\""));
    QVERIFY(svg.contains("viewBox=\"0 0 32 32\""));
    QVERIFY(svg.count("<path ") >= 4);  // tile, two core lines, two windings
  }

  void desktopIconsHaveTheirSizes_data() {
    QTest::addColumn<int>("pixels");
    for (int pixels : {16, 32, 48, 64, 128, 256}) {
      QTest::newRow(qPrintable(QString::number(pixels))) << pixels;
    }
  }
  void desktopIconsHaveTheirSizes() {
    QFETCH(int, pixels);
    const QString name =
        QString("../../resources/icons/hicolor/%1x%1/apps/spulix.png")
            .arg(pixels);
    const QString path = QFINDTESTDATA(name);
    QVERIFY2(!path.isEmpty(), qPrintable(name));
    const QImage image(path);
    QCOMPARE(image.size(), QSize(pixels, pixels));
    QVERIFY(image.hasAlphaChannel());
  }

  void tableUsesOnlyBlackAndWhite_data() { TableRows(); }
  void tableUsesOnlyBlackAndWhite() {
    QFETCH(int, index);
    const QImage image = Load(TableLayouts()[index].path);
    int black = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        QVERIFY2(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255),
                 qPrintable(QString("pixel %1,%2 is #%3")
                                .arg(x)
                                .arg(y)
                                .arg(p, 8, 16, QChar('0'))));
        if (p == qRgb(0, 0, 0)) ++black;
      }
    }
    QVERIFY(black > 0);
  }

  void tableFrameIsTwoPixelsFromElevenEleven_data() { TableRows(); }
  void tableFrameIsTwoPixelsFromElevenEleven() {
    QFETCH(int, index);
    const TableLayout& table = TableLayouts()[index];
    const QImage image = Load(table.path);
    const QPoint end = table.frame_end;
    // Every pixel of the two outer rings is black, the ring outside and the
    // ring inside (away from rules) white.
    for (int x = 11; x <= end.x(); ++x) {
      for (int y : {11, 12, end.y() - 1, end.y()}) {
        QVERIFY2(IsBlack(image, x, y),
                 qPrintable(QString("%1,%2").arg(x).arg(y)));
      }
      QVERIFY(!IsBlack(image, x, 10));
      QVERIFY(!IsBlack(image, x, end.y() + 1));
    }
    for (int y = 11; y <= end.y(); ++y) {
      for (int x : {11, 12, end.x() - 1, end.x()}) {
        QVERIFY2(IsBlack(image, x, y),
                 qPrintable(QString("%1,%2").arg(x).arg(y)));
      }
      QVERIFY(!IsBlack(image, 10, y));
      QVERIFY(!IsBlack(image, end.x() + 1, y));
    }
    QVERIFY(!IsBlack(image, 13, 13));
    QVERIFY(!IsBlack(image, end.x() - 2, end.y() - 2));
  }

  void tableRulesAreOnePixelAtTheirCoordinates_data() { TableRows(); }
  void tableRulesAreOnePixelAtTheirCoordinates() {
    QFETCH(int, index);
    const TableLayout& table = TableLayouts()[index];
    const QImage image = Load(table.path);
    const QPoint end = table.frame_end;
    for (int y : table.row_rules) {
      for (int x = 13; x <= end.x() - 2; ++x) {
        QVERIFY2(IsBlack(image, x, y),
                 qPrintable(QString("%1,%2").arg(x).arg(y)));
      }
      // One pixel wide: the rows next to it are white at the frame's edge.
      QVERIFY(!IsBlack(image, 13, y - 1));
      QVERIFY(!IsBlack(image, 13, y + 1));
    }
    const int grid_top = table.spanning_rows == 0
                             ? 13
                             : table.row_rules[table.spanning_rows - 1] + 1;
    for (int x : table.column_rules) {
      for (int y = grid_top; y <= end.y() - 2; ++y) {
        QVERIFY2(IsBlack(image, x, y),
                 qPrintable(QString("%1,%2").arg(x).arg(y)));
      }
      QVERIFY(!IsBlack(image, x - 1, end.y() - 2));
      QVERIFY(!IsBlack(image, x + 1, end.y() - 2));
      if (table.spanning_rows > 0) {
        // No column rule through the title rows.
        QVERIFY(!IsBlack(image, x, 13));
        QVERIFY(!IsBlack(image, x, grid_top - 2));
      }
    }
  }

  void tableTextIsCentredInEveryCell_data() { TableRows(); }
  void tableTextIsCentredInEveryCell() {
    QFETCH(int, index);
    const TableLayout& table = TableLayouts()[index];
    const QImage image = Load(table.path);
    for (const QRect& cell : Cells(table)) {
      const QRect ink = Ink(image, cell);
      const QString where =
          QString("cell at %1,%2").arg(cell.x()).arg(cell.y());
      QVERIFY2(!ink.isEmpty(), qPrintable(where + " is empty"));
      // Clear of the rules on every side.
      QVERIFY2(cell.adjusted(1, 1, -1, -1).contains(ink), qPrintable(where));
      const QPointF offset = QRectF(ink).center() - QRectF(cell).center();
      QVERIFY2(
          qAbs(offset.x()) <= 2.0 && qAbs(offset.y()) <= 2.5,
          qPrintable(
              where +
              QString(" off centre by %1,%2").arg(offset.x()).arg(offset.y())));
      // Chinese characters are 12 pixels high, so no line is taller.
      if (cell.height() < 40) QVERIFY2(ink.height() <= 13, qPrintable(where));
    }
  }

  void diagramLabelsSitOnPlateGrey_data() { LabelRows(); }
  void diagramLabelsSitOnPlateGrey() {
    QFETCH(QRect, label);
    const QImage image = Load(":/pictures/core_diagram.png");
    for (int y = label.top(); y <= label.bottom(); ++y) {
      for (int x = label.left(); x <= label.right(); ++x) {
        QVERIFY2(image.pixel(x, y) == kPlateGrey,
                 qPrintable(QString("%1,%2").arg(x).arg(y)));
      }
    }
  }

  // Each dimension arrow lies in a strip next to its label and outside every
  // label, so the figures never hide the arrows they name.
  void diagramArrowsStayInSightBesideTheirLabels_data() {
    QTest::addColumn<QRect>("strip");
    QTest::addColumn<int>("min_dark");
    QTest::newRow("c below its figure") << QRect(30, 26, 40, 6) << 36;
    QTest::newRow("h left of its figure") << QRect(148, 32, 11, 64) << 64;
    QTest::newRow("a above its figure") << QRect(66, 96, 60, 8) << 54;
  }
  void diagramArrowsStayInSightBesideTheirLabels() {
    QFETCH(QRect, strip);
    QFETCH(int, min_dark);
    for (const QRect& label : {kWidthLabel, kTongueLabel, kHeightLabel}) {
      QVERIFY(!strip.intersects(label));
    }
    const QImage image = Load(":/pictures/core_diagram.png");
    QVERIFY2(CountDark(image, strip) >= min_dark,
             qPrintable(QString::number(CountDark(image, strip))));
  }

  void diagramShowsDarkerWindowsAndCornerHoles() {
    const QImage image = Load(":/pictures/core_diagram.png");
    const int plate = qGray(kPlateGrey);
    for (QPoint opening :
         {QPoint(50, 60), QPoint(140, 60), QPoint(15, 13), QPoint(175, 13),
          QPoint(15, 112), QPoint(175, 112)}) {
      QVERIFY2(qGray(image.pixel(opening)) < plate - 20,
               qPrintable(QString("%1,%2").arg(opening.x()).arg(opening.y())));
    }
    QCOMPARE(image.pixel(95, 60), kPlateGrey);  // the tongue
  }

 private:
  static void TableRows() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < TableLayouts().size(); ++i) {
      QTest::newRow(TableLayouts()[i].path) << static_cast<int>(i);
    }
  }
  static void LabelRows() {
    QTest::addColumn<QRect>("label");
    QTest::newRow("c") << kWidthLabel;
    QTest::newRow("a") << kTongueLabel;
    QTest::newRow("h") << kHeightLabel;
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::ResourcesTest)
#include "resources_test.moc"
