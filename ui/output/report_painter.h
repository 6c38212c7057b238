// SPDX-License-Identifier: GPL-3.0-or-later
// What every page of the design report paints with: the page's measures in
// millimetres, its fonts and colours, a painter that places text as text,
// headings and striped tables.
#ifndef SPULIX_UI_OUTPUT_REPORT_PAINTER_H_
#define SPULIX_UI_OUTPUT_REPORT_PAINTER_H_

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "present/sheet_text.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix::report {

// The report's own texts, in the window's language.
struct Report {
  Q_DECLARE_TR_FUNCTIONS(DesignReport)
};

constexpr int kResolution = 1200;  // device units per inch
constexpr double kPageWidthMm = 210;
constexpr double kMarginMm = 16;
constexpr double kLeftColumnMm = 104;  // the two tables
constexpr double kGapMm = 8;
constexpr double kRowMm = 6.2;
// A4 portrait; the footer sits one margin above the bottom edge.
constexpr double kPageHeightMm = 297;
inline const QColor kFooterColour(0x70, 0x70, 0x70);
inline const QColor kSubtitleColour(verdict_palette::kNote);

inline const QColor kRuleColour(0x90, 0x90, 0x90);
inline const QColor kHeaderFill(0xE4, 0xEC, 0xF4);
inline const QColor kStripeFill(0xF6, 0xF6, 0xF6);

// "Spulix 电源变压器设计报告": the first page's heading and the PDF's title.
QString ReportTitle();

QFont ReportFont(Face face, double points, bool bold = false);

// "12.5 毫米", or "未知".
QString Millimetres(std::optional<double> value);

// Paints on the page in millimetres, with the text as text.
class ReportPainter {
 public:
  explicit ReportPainter(QPainter& painter) : p_(painter) {}

  double Scale() const { return kResolution / 25.4; }
  QRectF Mm(double x, double y, double w, double h) const {
    return QRectF(x * Scale(), y * Scale(), w * Scale(), h * Scale());
  }

  // Draws one line of text in the box, elided if it is too long.
  void Text(const QRectF& box_mm, const QString& text, const QFont& font,
            Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
            const QColor& colour = Qt::black) {
    p_.setFont(font);
    p_.setPen(colour);
    const QRectF box =
        Mm(box_mm.x(), box_mm.y(), box_mm.width(), box_mm.height());
    const QString shown = QFontMetricsF(font, p_.device())
                              .elidedText(text, Qt::ElideRight, box.width());
    p_.drawText(box, int(align), shown);
  }

  // The width of one line of text in millimetres.
  double WidthMm(const QString& text, const QFont& font) const {
    return QFontMetricsF(font, p_.device()).horizontalAdvance(text) / Scale();
  }

  // The height wrapped text would take, in millimetres.
  double ParagraphHeight(double w, const QString& text, const QFont& font) {
    p_.setFont(font);
    return p_.boundingRect(Mm(0, 0, w, 200),
                           int(Qt::AlignLeft | Qt::TextWordWrap), text)
               .height() /
           Scale();
  }

  // Wrapped text; returns the height used in millimetres.
  double Paragraph(double x, double y, double w, const QString& text,
                   const QFont& font, const QColor& colour = Qt::black) {
    p_.setFont(font);
    p_.setPen(colour);
    const QRectF box = Mm(x, y, w, 200);
    const QRectF used =
        p_.boundingRect(box, int(Qt::AlignLeft | Qt::TextWordWrap), text);
    p_.drawText(box, int(Qt::AlignLeft | Qt::TextWordWrap), text);
    return used.height() / Scale();
  }

  void Fill(const QRectF& box_mm, const QColor& colour) {
    p_.fillRect(Mm(box_mm.x(), box_mm.y(), box_mm.width(), box_mm.height()),
                colour);
  }

  void Rule(double x1, double y, double x2, double width_mm = 0.2) {
    p_.setPen(QPen(kRuleColour, width_mm * Scale()));
    p_.drawLine(QPointF(x1 * Scale(), y * Scale()),
                QPointF(x2 * Scale(), y * Scale()));
  }

  QPainter& painter() { return p_; }

 private:
  QPainter& p_;
};

// The report's font a half point smaller at a time, down to `smallest`,
// while the text is wider than the line: for a language that needs more
// room than the line has.
QFont FittingFont(const ReportPainter& r, const QString& text, double points,
                  double smallest, double width_mm);

// A heading with a rule under it; returns the y below it.
double Heading(ReportPainter& r, double x, double y, double w,
               const QString& text);

// A table of text rows, striped, the first row a header on a tinted band
// where `header`; `widths` in millimetres, one per column. The first column
// is left-aligned, the others as `align`. Returns the y below it.
double TextTable(ReportPainter& r, double x, double y,
                 const std::vector<double>& widths, const TextRows& rows,
                 bool header, Qt::Alignment align);

}  // namespace spulix::report

#endif  // SPULIX_UI_OUTPUT_REPORT_PAINTER_H_
