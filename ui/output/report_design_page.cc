// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/report_design_page.h"

#include <QLocale>
#include <algorithm>
#include <span>
#include <vector>

#include "design/core_fit_check.h"
#include "design/parts/core_catalogue.h"
#include "design/parts/wire_table.h"
#include "design/transformer_design.h"
#include "present/wire_text.h"
#include "ui/language/language.h"
#include "ui/language/translated_text.h"
#include "ui/output/report_painter.h"
#include "ui/store/qt_text.h"
#include "ui/widgets/core_diagram_figures.h"

namespace spulix::report {
namespace {

// A standard wire's overall diameter; where the table has none, the bound
// the winding sheet winds with (the next larger size's value).
QString OverallMillimetres(const StandardParts::Wire& wire, int grade) {
  const std::optional<double> known = grade == 1 ? wire.grade1 : wire.grade2;
  if (known || !wire.nominal) return Millimetres(known);
  const std::vector<StandardWire>& wires = StandardWires();
  for (std::size_t i = 0; i < wires.size(); ++i) {
    if (wires[i].nominal_mm != *wire.nominal) continue;
    if (const std::optional<OverallDiameter> bound =
            OverallDiameterOf(i, grade)) {
      return QString::fromStdString(
          BoundText(true, Millimetres(bound->mm).toStdString()));
    }
  }
  return Millimetres(known);
}

// Symbol, caption, value and unit of each field; returns the y below it.
double FieldTable(ReportPainter& r, const FieldStore& store, double x, double y,
                  std::span<const Field> fields) {
  const QString headers[] = {Report::tr("符号"), Report::tr("名称"),
                             Report::tr("数值"), Report::tr("单位")};
  const QFont header_font = ReportFont(Face::kHei, 9.5, true);
  const QFont body_font = ReportFont(Face::kHei, 9.5);
  const QFont value_font = ReportFont(Face::kHei, 10, true);
  constexpr double kPad = 1.5;
  // Sums to kLeftColumnMm. Where a language's symbol heading or captions
  // need more room, the right-aligned values give it.
  double columns[] = {13, 47, 24, 20};
  const auto widen = [&](int column, double needed) {
    const double more =
        std::min(needed + 2 * kPad + 0.5 - columns[column], columns[2] - 14);
    if (more <= 0) return;
    columns[column] += more;
    columns[2] -= more;
  };
  widen(0, r.WidthMm(headers[0], header_font));
  double caption_mm = 0;
  for (Field field : fields) {
    caption_mm = std::max(
        caption_mm,
        r.WidthMm(Composed(FullCaptionText(InfoOf(field))), body_font));
  }
  widen(1, caption_mm);

  auto row = [&](double top, const QString(&cells)[4], bool header) {
    double left = x;
    for (int c = 0; c < 4; ++c) {
      const Qt::Alignment align =
          (c == 2 && !header ? Qt::AlignRight : Qt::AlignLeft) |
          Qt::AlignVCenter;
      const QFont& font = header   ? header_font
                          : c == 2 ? value_font
                                   : body_font;
      r.Text(QRectF(left + kPad, top, columns[c] - 2 * kPad, kRowMm), cells[c],
             font, align);
      left += columns[c];
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
    const QString cells[4] = {
        ToQString(info.symbol), Composed(FullCaptionText(info)),
        ToQString(store.Text(field)), Translated("Field", info.unit)};
    row(y, cells, false);
    y += kRowMm;
  }
  r.Rule(x, y, x + kLeftColumnMm);
  return y;
}

QColor VerdictColour(const char* verdict) {
  const std::string_view text(verdict);
  if (text == kFitOk) return QColor(verdict_palette::kGood);
  if (text == kFitTooThick) return QColor(verdict_palette::kBad);
  if (text == kFitExact) return QColor(verdict_palette::kCaution);
  return Qt::black;
}

double Verdict(ReportPainter& r, const FieldStore& store, double x, double y,
               double w) {
  y = Heading(r, x, y, w, Report::tr("铁心是否可用"));
  const char* verdict = FitVerdict(store);
  y += r.Paragraph(x, y, w, Translated("DesignMessage", verdict),
                   ReportFont(Face::kHei, 11, true), VerdictColour(verdict));
  y += 1;
  const QFont font = ReportFont(Face::kHei, 9);
  r.Text(QRectF(x, y, w, 5),
         Report::tr("线包总厚度 H = %1 毫米")
             .arg(ToQString(store.Text(Field::kCoilThickness))),
         font);
  r.Text(QRectF(x, y + 5, w, 5),
         Report::tr("窗口宽度 c = %1 毫米")
             .arg(ToQString(store.Text(Field::kWindowWidth))),
         font);
  y += 10;
  return y + 5;
}

double Diagram(ReportPainter& r, const FieldStore& store, double x, double y,
               double w) {
  y = Heading(r, x, y, w, Report::tr("铁心图"));
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
                         ToQString(store.CaptionText(figure.caption));
    const double width =
        QFontMetricsF(font, r.painter().device()).horizontalAdvance(text) /
            r.Scale() +
        1.5;
    // Inside the picture's frame (its outermost pixel), however long the
    // figure.
    constexpr double kLabelHeight = 4.4;
    const double frame = 1.5 * mm_per_pixel;
    const double left =
        std::clamp(x + at.x(), x + frame, x + w - frame - width);
    const double top =
        std::clamp(y + at.y(), y + frame, y + height - frame - kLabelHeight);
    r.Fill(QRectF(left, top, width, kLabelHeight), QColor(0xD6, 0xD2, 0xD7));
    r.Text(QRectF(left + 0.75, top, width - 0.75, kLabelHeight), text, font,
           Qt::AlignLeft | Qt::AlignVCenter);
  }
  y += height + 2;
  const QFont legend = ReportFont(Face::kHei, 9);
  for (const DiagramFigure& figure : kDiagramFigures) {
    const FieldInfo& info = InfoOf(figure.field);
    r.Text(QRectF(x, y, w, 5),
           Report::tr("%1：%2，%3 %4")
               .arg(ToQString(info.symbol), Translated("Field", info.caption),
                    ToQString(store.CaptionText(figure.caption)),
                    Translated("Field", info.unit)),
           legend);
    y += 5;
  }
  return y + 4;
}

double Parts(ReportPainter& r, const StandardParts& parts, double x, double y,
             double w) {
  y = Heading(r, x, y, w, Report::tr("标准铁心与导线"));
  const QFont font = ReportFont(Face::kHei, 9);
  // One fact per line, so that nothing breaks inside a value.
  auto line = [&](const QString& text, bool bold = false) {
    r.Text(QRectF(x, y, w, 5), text,
           bold ? ReportFont(Face::kHei, 9.5, true) : font);
    y += 5;
  };
  if (parts.core) {
    const StandardParts::Core& core = *parts.core;
    line(Report::tr("铁心 %1").arg(ToQString(core.name)), true);
    line(
        Report::tr("a %1，c %2").arg(Millimetres(core.a), Millimetres(core.c)));
    line(QStringLiteral("h %1").arg(Millimetres(core.h)));
    y += 1.5;
  }
  const std::pair<const char*, const std::optional<StandardParts::Wire>*>
      wires[] = {{QT_TRANSLATE_NOOP("DesignReport", "初级导线 d1"), &parts.d1},
                 {QT_TRANSLATE_NOOP("DesignReport", "次级导线 d2"), &parts.d2}};
  for (const auto& [name, wire] : wires) {
    if (!*wire) continue;
    line(Report::tr(name), true);
    line(Report::tr("标称 %1").arg(Millimetres((*wire)->nominal)));
    line(Report::tr("一级漆包外径 %1").arg(OverallMillimetres(**wire, 1)));
    line(Report::tr("二级漆包外径 %1").arg(OverallMillimetres(**wire, 2)));
    y += 1.5;
  }
  return y + 3;
}

}  // namespace

void PaintDesignPage(QPainter& painter, const FieldStore& store,
                     const ReportContent& content) {
  ReportPainter r(painter);
  const double x = kMarginMm;
  const double full = kPageWidthMm - 2 * kMarginMm;
  double y = kMarginMm;

  r.Text(QRectF(x, y, full, 10), ReportTitle(),
         ReportFont(Face::kHei, 18, true));
  y += 12;
  // The date in the report's language; the format is translated with it.
  const QLocale locale = CurrentLanguage() == Language::kEnglish
                             ? QLocale::c()
                             : QLocale(QLocale::Chinese, QLocale::China);
  const QString date =
      locale.toString(content.when, Report::tr("yyyy年M月d日 HH:mm"));
  const QString file = content.file_name.isEmpty() ? Report::tr("（未保存）")
                                                   : content.file_name;
  r.Text(QRectF(x, y, full, 6),
         Report::tr("日期：%1      设计文件：%2").arg(date, file),
         ReportFont(Face::kHei, 10));
  y += 7;
  r.Rule(x, y, x + full, 0.5);
  y += 5;

  const std::span<const Field> order(ReadingOrder());
  double left_y = Heading(r, x, y, kLeftColumnMm,
                          Report::tr("输入（%1 项）").arg(kInputCount));
  left_y = FieldTable(r, store, x, left_y, order.first(kInputCount));
  left_y =
      Heading(r, x, left_y + 6, kLeftColumnMm,
              Report::tr("计算结果（%1 项）").arg(kFieldCount - kInputCount));
  FieldTable(r, store, x, left_y, order.subspan(kInputCount));

  const double right_x = x + kLeftColumnMm + kGapMm;
  const double right_w = full - kLeftColumnMm - kGapMm;
  double right_y = Verdict(r, store, right_x, y, right_w);
  right_y = Diagram(r, store, right_x, right_y, right_w);
  if (content.parts) Parts(r, *content.parts, right_x, right_y, right_w);

  r.Text(QRectF(x, kPageHeightMm - kMarginMm, full, 5),
         Report::tr("由 Spulix 生成。所有数值与程序窗口中显示的完全一致。"),
         ReportFont(Face::kHei, 8), Qt::AlignLeft | Qt::AlignVCenter,
         kFooterColour);
}

}  // namespace spulix::report
