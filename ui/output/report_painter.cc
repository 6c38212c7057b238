// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/report_painter.h"

#include <QFontMetricsF>
#include <QLocale>

#include "ui/store/qt_text.h"

namespace spulix::report {

QString ReportTitle() { return Report::tr("Spulix 电源变压器设计报告"); }

QFont ReportFont(Face face, double points, bool bold) {
  QFont font = MakeFont(face, kPixels9Pt, bold);
  font.setPointSizeF(points);
  // Shaping puts alternate digit glyphs into Latin runs, which the PDF's
  // text layer cannot map back to digits; plain glyphs keep "P2" findable.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

QString Millimetres(std::optional<double> value) {
  if (!value) return Report::tr("未知");
  return QLocale::c().toString(*value, 'g', 6) + Report::tr(" 毫米");
}

// The report's font a half point smaller at a time, down to `smallest`,
// while the text is wider than the line: for a language that needs more
// room than the line has.
QFont FittingFont(const ReportPainter& r, const QString& text, double points,
                  double smallest, double width_mm) {
  QFont font = ReportFont(Face::kHei, points);
  while (points > smallest && r.WidthMm(text, font) > width_mm) {
    points -= 0.5;
    font = ReportFont(Face::kHei, points);
  }
  return font;
}

// A heading with a rule under it; returns the y below it.
double Heading(ReportPainter& r, double x, double y, double w,
               const QString& text) {
  r.Text(QRectF(x, y, w, 7), text, ReportFont(Face::kHei, 12, true));
  r.Rule(x, y + 7.5, x + w, 0.35);
  return y + 9.5;
}

double TextTable(ReportPainter& r, double x, double y,
                 const std::vector<double>& widths, const TextRows& rows,
                 bool header, Qt::Alignment align) {
  constexpr double kRow = 5.3;
  const QFont header_font = ReportFont(Face::kHei, 9, true);
  const QFont caption_font = ReportFont(Face::kHei, 9);
  const QFont value_font = ReportFont(Face::kHei, 9.5);
  constexpr double kPad = 1.5;
  double total = 0;
  for (double width : widths) total += width;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const bool head = header && i == 0;
    if (head) {
      r.Fill(QRectF(x, y, total, kRow), kHeaderFill);
    } else if (i % 2 == (header ? 0 : 1)) {
      r.Fill(QRectF(x, y, total, kRow), kStripeFill);
    }
    double left = x;
    for (std::size_t c = 0; c < rows[i].size() && c < widths.size(); ++c) {
      const QFont& font = head     ? header_font
                          : c == 0 ? caption_font
                                   : value_font;
      r.Text(QRectF(left + kPad, y, widths[c] - 2 * kPad, kRow),
             ToQString(rows[i][c]), font,
             (c == 0 ? Qt::AlignLeft : align) | Qt::AlignVCenter);
      left += widths[c];
    }
    y += kRow;
  }
  r.Rule(x, y, x + total);
  return y;
}

}  // namespace spulix::report
