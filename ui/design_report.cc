// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/design_report.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <span>

#include "design/core_catalogue.h"
#include "design/core_fit_check.h"
#include "design/transformer_design.h"
#include "design/wire_table.h"
#include "ui/core_diagram_figures.h"
#include "ui/fonts.h"

namespace spulix {
namespace {

constexpr int kResolution = 1200;  // device units per inch
constexpr double kPageWidthMm = 210;
constexpr double kMarginMm = 16;
constexpr double kLeftColumnMm = 104;  // the two tables
constexpr double kGapMm = 8;
constexpr double kRowMm = 6.2;

const QColor kRuleColour(0x90, 0x90, 0x90);
const QColor kHeaderFill(0xE4, 0xEC, 0xF4);
const QColor kStripeFill(0xF6, 0xF6, 0xF6);

QString Q(const std::string& text) { return QString::fromStdString(text); }

QFont ReportFont(Face face, double points, bool bold = false) {
  QFont font = MakeFont(face, kPixels9Pt, bold);
  font.setPointSizeF(points);
  // Shaping puts alternate digit glyphs into Latin runs, which the PDF's
  // text layer cannot map back to digits; plain glyphs keep "P2" findable.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

QString Millimetres(std::optional<double> value) {
  if (!value) return QStringLiteral("未知");
  return QLocale::c().toString(*value, 'g', 6) + QStringLiteral(" 毫米");
}

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

// A heading with a rule under it; returns the y below it.
double Heading(ReportPainter& r, double x, double y, double w,
               const QString& text) {
  r.Text(QRectF(x, y, w, 7), text, ReportFont(Face::kHei, 12, true));
  r.Rule(x, y + 7.5, x + w, 0.35);
  return y + 9.5;
}

// Symbol, caption, value and unit of each field; returns the y below it.
double FieldTable(ReportPainter& r, const FieldStore& store, double x, double y,
                  std::span<const Field> fields) {
  constexpr double kColumns[] = {13, 47, 24, 20};  // sums to kLeftColumnMm
  const QString headers[] = {QStringLiteral("符号"), QStringLiteral("名称"),
                             QStringLiteral("数值"), QStringLiteral("单位")};
  const QFont header_font = ReportFont(Face::kHei, 9.5, true);
  const QFont body_font = ReportFont(Face::kHei, 9.5);
  const QFont value_font = ReportFont(Face::kHei, 10, true);
  constexpr double kPad = 1.5;

  auto row = [&](double top, const QString(&cells)[4], bool header) {
    double left = x;
    for (int c = 0; c < 4; ++c) {
      const Qt::Alignment align =
          (c == 2 && !header ? Qt::AlignRight : Qt::AlignLeft) |
          Qt::AlignVCenter;
      const QFont& font = header   ? header_font
                          : c == 2 ? value_font
                                   : body_font;
      r.Text(QRectF(left + kPad, top, kColumns[c] - 2 * kPad, kRowMm), cells[c],
             font, align);
      left += kColumns[c];
    }
  };
  r.Fill(QRectF(x, y, kLeftColumnMm, kRowMm), kHeaderFill);
  row(y, headers, true);
  y += kRowMm;
  bool stripe = false;
  for (Field field : fields) {
    const FieldInfo& info = InfoOf(field);
    if (stripe) r.Fill(QRectF(x, y, kLeftColumnMm, kRowMm), kStripeFill);
    stripe = !stripe;
    const QString cells[4] = {Q(info.symbol), Q(FullCaption(info)),
                              Q(store.Text(field)), Q(info.unit)};
    row(y, cells, false);
    y += kRowMm;
  }
  r.Rule(x, y, x + kLeftColumnMm);
  return y;
}

QColor VerdictColour(const char* verdict) {
  const std::string_view text(verdict);
  if (text == kFitOk) return QColor(0x00, 0x80, 0x00);
  if (text == kFitTooThick) return QColor(0xC0, 0x00, 0x00);
  if (text == kFitExact) return QColor(0xC0, 0x60, 0x00);
  return Qt::black;
}

double Verdict(ReportPainter& r, const FieldStore& store, double x, double y,
               double w) {
  y = Heading(r, x, y, w, QStringLiteral("铁心是否可用"));
  const char* verdict = FitVerdict(store);
  y += r.Paragraph(x, y, w, Q(verdict), ReportFont(Face::kHei, 11, true),
                   VerdictColour(verdict));
  y += 1;
  const QFont font = ReportFont(Face::kHei, 9);
  r.Text(QRectF(x, y, w, 5),
         QStringLiteral("线包总厚度 H = %1 毫米")
             .arg(Q(store.Text(Field::kCoilThickness))),
         font);
  r.Text(QRectF(x, y + 5, w, 5),
         QStringLiteral("窗口宽度 c = %1 毫米")
             .arg(Q(store.Text(Field::kWindowWidth))),
         font);
  y += 10;
  return y + 5;
}

double Diagram(ReportPainter& r, const FieldStore& store, double x, double y,
               double w) {
  y = Heading(r, x, y, w, QStringLiteral("铁心图"));
  const QImage picture(QStringLiteral(":/pictures/core_diagram.png"));
  if (picture.isNull()) return y;
  const double mm_per_pixel = w / picture.width();
  const double height = picture.height() * mm_per_pixel;
  r.painter().setRenderHint(QPainter::SmoothPixmapTransform);
  r.painter().drawImage(r.Mm(x, y, w, height), picture);

  // The picture's pixels are the window's: 15 twips each.
  constexpr double kTwipsPerPixel = 15;
  const QFont font = ReportFont(Face::kHei, 9);
  for (const DiagramFigure& figure : kDiagramFigures) {
    const QPointF at = QPointF(figure.left_twips, figure.top_twips) /
                       kTwipsPerPixel * mm_per_pixel;
    const QString text = InfoOf(figure.field).symbol + QStringLiteral(" = ") +
                         Q(store.CaptionText(figure.caption));
    const double width =
        QFontMetricsF(font, r.painter().device()).horizontalAdvance(text) /
            r.Scale() +
        1.5;
    const double left = std::min(x + at.x(), x + w - width);
    r.Fill(QRectF(left, y + at.y(), width, 4.4), QColor(0xD6, 0xD2, 0xD7));
    r.Text(QRectF(left + 0.75, y + at.y(), width, 4.4), text, font);
  }
  y += height + 2;
  const QFont legend = ReportFont(Face::kHei, 9);
  for (const DiagramFigure& figure : kDiagramFigures) {
    const FieldInfo& info = InfoOf(figure.field);
    r.Text(QRectF(x, y, w, 5),
           QStringLiteral("%1：%2，%3 %4")
               .arg(Q(info.symbol), Q(info.caption),
                    Q(store.CaptionText(figure.caption)), Q(info.unit)),
           legend);
    y += 5;
  }
  return y + 4;
}

double Parts(ReportPainter& r, const StandardParts& parts, double x, double y,
             double w) {
  y = Heading(r, x, y, w, QStringLiteral("标准铁心与导线"));
  const QFont font = ReportFont(Face::kHei, 9);
  // One fact per line, so that nothing breaks inside a value.
  auto line = [&](const QString& text, bool bold = false) {
    r.Text(QRectF(x, y, w, 5), text,
           bold ? ReportFont(Face::kHei, 9.5, true) : font);
    y += 5;
  };
  if (parts.core) {
    const StandardParts::Core& core = *parts.core;
    line(QStringLiteral("铁心 %1").arg(Q(core.name)), true);
    line(QStringLiteral("a %1，c %2")
             .arg(Millimetres(core.a), Millimetres(core.c)));
    line(QStringLiteral("h %1").arg(Millimetres(core.h)));
    y += 1.5;
  }
  const std::pair<const char*, const std::optional<StandardParts::Wire>*>
      wires[] = {{"初级导线 d1", &parts.d1}, {"次级导线 d2", &parts.d2}};
  for (const auto& [name, wire] : wires) {
    if (!*wire) continue;
    line(QString::fromUtf8(name), true);
    line(QStringLiteral("标称 %1").arg(Millimetres((*wire)->nominal)));
    line(QStringLiteral("一级漆包外径 %1").arg(Millimetres((*wire)->grade1)));
    line(QStringLiteral("二级漆包外径 %1").arg(Millimetres((*wire)->grade2)));
    y += 1.5;
  }
  return y + 3;
}

void Paint(QPainter& painter, const FieldStore& store,
           const ReportContent& content) {
  ReportPainter r(painter);
  const double x = kMarginMm;
  const double full = kPageWidthMm - 2 * kMarginMm;
  double y = kMarginMm;

  r.Text(QRectF(x, y, full, 10), QStringLiteral("Spulix 电源变压器设计报告"),
         ReportFont(Face::kHei, 18, true));
  y += 12;
  const QString date =
      QLocale(QLocale::Chinese, QLocale::China)
          .toString(content.when, QStringLiteral("yyyy年M月d日 HH:mm"));
  const QString file = content.file_name.isEmpty()
                           ? QStringLiteral("（未保存）")
                           : content.file_name;
  r.Text(QRectF(x, y, full, 6),
         QStringLiteral("日期：%1      设计文件：%2").arg(date, file),
         ReportFont(Face::kHei, 10));
  y += 7;
  r.Rule(x, y, x + full, 0.5);
  y += 5;

  const std::span<const Field> order(ReadingOrder());
  double left_y = Heading(r, x, y, kLeftColumnMm,
                          QStringLiteral("输入（%1 项）").arg(kInputCount));
  left_y = FieldTable(r, store, x, left_y, order.first(kInputCount));
  left_y = Heading(
      r, x, left_y + 6, kLeftColumnMm,
      QStringLiteral("计算结果（%1 项）").arg(kFieldCount - kInputCount));
  FieldTable(r, store, x, left_y, order.subspan(kInputCount));

  const double right_x = x + kLeftColumnMm + kGapMm;
  const double right_w = full - kLeftColumnMm - kGapMm;
  double right_y = Verdict(r, store, right_x, y, right_w);
  right_y = Diagram(r, store, right_x, right_y, right_w);
  if (content.parts) Parts(r, *content.parts, right_x, right_y, right_w);

  r.Text(QRectF(x, 297 - kMarginMm, full, 5),
         QStringLiteral("由 Spulix 生成。所有数值与程序窗口中显示的完全一致。"),
         ReportFont(Face::kHei, 8), Qt::AlignLeft | Qt::AlignVCenter,
         QColor(0x70, 0x70, 0x70));
}

}  // namespace

bool WriteDesignReport(const FieldStore& store, const ReportContent& content,
                       QIODevice* device) {
  QPdfWriter writer(device);
  writer.setResolution(kResolution);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                   QPageLayout::Portrait, QMarginsF()));
  writer.setTitle(QStringLiteral("Spulix 电源变压器设计报告"));
  writer.setCreator(QStringLiteral("Spulix"));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  Paint(painter, store, content);
  return painter.end();
}

}  // namespace spulix
