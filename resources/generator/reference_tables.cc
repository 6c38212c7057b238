// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_tables.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QtGlobal>
#include <cmath>
#include <utility>

namespace spulix {
namespace {

constexpr int kFrameOrigin = 11;  // top-left pixel of every outer frame
constexpr int kFrameWidth = 2;
constexpr int kTextPixels = 12;  // Chinese characters are 12 pixels high
constexpr int kLinePitch = 17;   // distance between lines of one cell
// Smoothed glyph pixels darker than this become black, the rest white. This
// gives cleaner strokes at 12 pixels than the font's own unsmoothed mode.
constexpr int kInkThreshold = 170;

QFont TableFont() {
  QFont font(QStringLiteral("Noto Serif CJK SC"));
  font.setPixelSize(kTextPixels);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// Draws `lines` centred in the cell whose interior is `cell`. Vertically the
// centre of the ideographic em box (0.38 em above the baseline) is put on the
// centre of the cell, so Chinese and Latin texts line up the same way.
// Returns false, drawing nothing, when a line is wider than the cell less a
// pixel of air on each side.
bool DrawCentred(QPainter& painter, const QRect& cell,
                 const QStringList& lines) {
  const QFontMetrics metrics(painter.font());
  const double centre_x = cell.left() + cell.width() / 2.0;
  const double centre_y = cell.top() + cell.height() / 2.0;
  const double first_centre_y =
      centre_y - (lines.size() - 1) * kLinePitch / 2.0;
  for (const QString& line : lines) {
    if (metrics.tightBoundingRect(line).width() > cell.width() - 2) {
      qWarning("\"%s\" is wider than its cell", qUtf8Printable(line));
      return false;
    }
  }
  for (qsizetype i = 0; i < lines.size(); ++i) {
    // Centre the ink, not the advance: a full-width bracket at the end of a
    // text would otherwise pull it visibly to the left.
    const QRect ink = metrics.tightBoundingRect(lines[i]);
    const int x = static_cast<int>(
        std::lround(centre_x - ink.left() - ink.width() / 2.0));
    const int baseline = static_cast<int>(
        std::lround(first_centre_y + i * kLinePitch + 0.38 * kTextPixels));
    painter.drawText(x, baseline, lines[i]);
  }
  return true;
}

// Snaps every pixel to pure black or pure white.
QImage ToBlackAndWhite(const QImage& image) {
  QImage result(image.size(), QImage::Format_Mono);
  result.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  result.fill(1);  // also clears the row padding, so files are reproducible
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      result.setPixel(x, y, qGray(image.pixel(x, y)) < kInkThreshold ? 0 : 1);
    }
  }
  return result;
}

}  // namespace

const std::vector<ReferenceTable>& ReferenceTables() {
  static const std::vector<ReferenceTable> tables = {
      {QStringLiteral("tables/efficiency.png"),
       QSize(613, 87),
       QPoint(601, 74),
       {43},
       {146, 222, 297, 373, 448, 524},
       {
           {"次级功率P2", "小于10W", "10-30W", "30-80W", "80-200W", "200-400W",
            "400W以上"},
           {"变压器效率η", "60%", "70%", "80%", "85%", "90%", "95%"},
       }},
      {QStringLiteral("tables/coefficient.png"),
       QSize(394, 173),
       QPoint(381, 160),
       {43, 68, 98, 129},
       {197},
       {
           {"P0（W）", "K"},
           {"0-10", "2"},
           {"10-50", "2-1.75"},
           {"50-500", "1.5-1.4"},
           {"500-1000", "1.4-1.2"},
       }},
      {QStringLiteral("tables/flux_density.png"),
       QSize(448, 208),
       QPoint(436, 195),
       {43, 73, 104, 134, 164},
       {154},
       {
           {"磁通密度表"},
           {"硅钢片牌号", "密度（Bm）"},
           {"D310", "12000～14000高斯"},
           {"D41、D42", "10000～12000高斯"},
           {"D43", "11000～12000高斯"},
           {"D21、D22", "5000～7000高斯"},
       }},
      {QStringLiteral("tables/stacking.png"),
       QSize(459, 180),
       QPoint(447, 167),
       {78, 123},
       {230},
       {
           {"间隙系数Kc\n"
            "(取值大小与硅钢片厚度及片与片之间的大小有关，铁心迭装越紧，K\n"
            "c值越高)"},
           {"硅钢片厚度0.5mm", "0.94"},
           {"硅钢片厚度0.35mm", "0.9"},
       }},
  };
  return tables;
}

const std::vector<ReferenceTable>& EnglishReferenceTables() {
  // Each English table is its Chinese one with other texts; the rows are in
  // the order of ReferenceTables().
  const auto english = [](int index, const char* file_name,
                          std::vector<QStringList> rows) {
    ReferenceTable table = ReferenceTables().at(index);
    table.file_name = QString::fromUtf8(file_name);
    table.rows = std::move(rows);
    return table;
  };
  static const std::vector<ReferenceTable> tables = {
      english(0, "tables/efficiency_en.png",
              {
                  {"Output power P2", "Under 10W", "10-30W", "30-80W",
                   "80-200W", "200-400W", "Over 400W"},
                  {"Efficiency η", "60%", "70%", "80%", "85%", "90%", "95%"},
              }),
      english(1, "tables/coefficient_en.png",
              {
                  {"P0 (W)", "K"},
                  {"0-10", "2"},
                  {"10-50", "2-1.75"},
                  {"50-500", "1.5-1.4"},
                  {"500-1000", "1.4-1.2"},
              }),
      english(2, "tables/flux_density_en.png",
              {
                  {"Flux density table"},
                  {"Steel grade", "Flux density (Bm)"},
                  {"D310", "12000-14000 gauss"},
                  {"D41, D42", "10000-12000 gauss"},
                  {"D43", "11000-12000 gauss"},
                  {"D21, D22", "5000-7000 gauss"},
              }),
      english(3, "tables/stacking_en.png",
              {
                  {"Stacking factor Kc\n"
                   "(depends on the lamination thickness and the gaps between\n"
                   "them: the tighter the core is stacked, the higher Kc)"},
                  {"Lamination 0.5mm thick", "0.94"},
                  {"Lamination 0.35mm thick", "0.9"},
              }),
  };
  return tables;
}

QImage DrawReferenceTable(const ReferenceTable& table) {
  QImage image(table.size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);

  // Outer frame, 2 pixels wide, drawn inwards from its outer edge.
  const QRect outer(QPoint(kFrameOrigin, kFrameOrigin), table.frame_end);
  const QRect inner =
      outer.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
  painter.fillRect(outer, Qt::black);
  painter.fillRect(inner, Qt::white);

  // Row boundaries: the inner edge of the frame above, each rule, and the
  // inner edge of the frame below (each the last pixel that is not cell).
  std::vector<int> row_edges = {inner.top() - 1};
  row_edges.insert(row_edges.end(), table.row_rules.begin(),
                   table.row_rules.end());
  row_edges.push_back(inner.bottom() + 1);
  std::vector<int> column_edges = {inner.left() - 1};
  column_edges.insert(column_edges.end(), table.column_rules.begin(),
                      table.column_rules.end());
  column_edges.push_back(inner.right() + 1);

  for (int y : table.row_rules) {
    painter.fillRect(QRect(inner.left(), y, inner.width(), 1), Qt::black);
  }
  // Column rules start below the spanning rows at the top of the table.
  std::size_t first_grid_row = 0;
  while (first_grid_row < table.rows.size() &&
         table.rows[first_grid_row].size() == 1) {
    ++first_grid_row;
  }
  const int grid_top = row_edges[first_grid_row] + 1;
  for (int x : table.column_rules) {
    painter.fillRect(QRect(x, grid_top, 1, inner.bottom() - grid_top + 1),
                     Qt::black);
  }

  painter.setFont(TableFont());
  painter.setPen(Qt::black);
  for (std::size_t row = 0; row < table.rows.size(); ++row) {
    const QStringList& texts = table.rows[row];
    const int top = row_edges[row] + 1;
    const int bottom = row_edges[row + 1] - 1;
    for (qsizetype column = 0; column < texts.size(); ++column) {
      const bool spans = texts.size() == 1;
      const int left = column_edges[spans ? 0 : column] + 1;
      const int right =
          column_edges[spans ? column_edges.size() - 1 : column + 1] - 1;
      if (!DrawCentred(painter, QRect(QPoint(left, top), QPoint(right, bottom)),
                       texts[column].split(QLatin1Char('\n')))) {
        return QImage();
      }
    }
  }
  painter.end();
  return ToBlackAndWhite(image);
}

}  // namespace spulix
