// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/design_report.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QIODevice>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <span>
#include <variant>
#include <vector>

#include "design/core_fit_check.h"
#include "design/parts/core_catalogue.h"
#include "design/parts/core_selection.h"
#include "design/parts/steel_grades.h"
#include "design/parts/wire_table.h"
#include "design/transformer_design.h"
#include "present/sheet_text.h"
#include "present/wire_text.h"
#include "ui/language/language.h"
#include "ui/language/translated_text.h"
#include "ui/store/qt_text.h"
#include "ui/widgets/core_diagram_figures.h"
#include "ui/widgets/fonts.h"

namespace spulix {
namespace {

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

const QColor kRuleColour(0x90, 0x90, 0x90);
const QColor kHeaderFill(0xE4, 0xEC, 0xF4);
const QColor kStripeFill(0xF6, 0xF6, 0xF6);

QFont ReportFont(Face face, double points, bool bold = false) {
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
  if (text == kFitOk) return QColor(0x00, 0x80, 0x00);
  if (text == kFitTooThick) return QColor(0xC0, 0x00, 0x00);
  if (text == kFitExact) return QColor(0xC0, 0x60, 0x00);
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

void Paint(QPainter& painter, const FieldStore& store,
           const ReportContent& content) {
  ReportPainter r(painter);
  const double x = kMarginMm;
  const double full = kPageWidthMm - 2 * kMarginMm;
  double y = kMarginMm;

  r.Text(QRectF(x, y, full, 10), Report::tr("Spulix 电源变压器设计报告"),
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

  r.Text(QRectF(x, 297 - kMarginMm, full, 5),
         Report::tr("由 Spulix 生成。所有数值与程序窗口中显示的完全一致。"),
         ReportFont(Face::kHei, 8), Qt::AlignLeft | Qt::AlignVCenter,
         QColor(0x70, 0x70, 0x70));
}

// A table of text rows, striped, the first row a header on a tinted band
// where `header`; `widths` in millimetres, one per column. The first column
// is left-aligned, the others as `align`. Returns the y below it.
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

QString ChoicesText(const SheetChoices& choices) {
  QString steel = ToQString(choices.steel);
  if (const auto grade = FindSteelGrade(choices.steel)) {
    const SteelGrade& found = SteelGrades()[*grade];
    steel += Report::tr("（%1 毫米，1.5 特时不超过 %2 瓦/千克）")
                 .arg(QLocale::c().toString(found.thickness_mm, 'g', 4),
                      QLocale::c().toString(found.loss_w_per_kg, 'f', 2));
  }
  return Report::tr(
             "漆膜：%1级　硅钢片：%2　次级1 中心抽头：%3　"
             "附加次级：%4")
      .arg(choices.enamel_grade == 1 ? Report::tr("一") : Report::tr("二"),
           steel,
           choices.secondaries.main().center_tap ? Report::tr("有")
                                                 : Report::tr("无"),
           choices.secondaries.extras().empty()
               ? Report::tr("无")
               : Report::tr("%1 组").arg(choices.secondaries.extras().size()));
}

QString RecommendedText(const std::optional<std::string>& core) {
  return Report::tr("推荐铁心（按实绕，最小可用）：%1")
      .arg(core ? ToQString(*core) : Report::tr("无"));
}

// Page two: the winding sheet of the design with its choices. Notes that
// do not fit go on to a further page.
void PaintSheet(QPdfWriter& writer, QPainter& painter, const FieldStore& store,
                const ReportContent& content) {
  ReportPainter r(painter);
  const double x = kMarginMm;
  const double full = kPageWidthMm - 2 * kMarginMm;
  double y = kMarginMm;

  r.Text(QRectF(x, y, full, 10), Report::tr("绕制单"),
         ReportFont(Face::kHei, 18, true));
  r.Text(QRectF(x, y, full, 10), Report::tr("标准漆包线（带漆膜）整层绕制"),
         ReportFont(Face::kHei, 10), Qt::AlignRight | Qt::AlignVCenter,
         QColor(0x50, 0x50, 0x50));
  y += 12;
  const QString choices = ChoicesText(content.sheet_choices);
  r.Text(QRectF(x, y, full, 6), choices, FittingFont(r, choices, 10, 8, full));
  y += 7;
  r.Rule(x, y, x + full, 0.5);
  y += 5;

  const SheetOutcome outcome =
      ComputeWindingSheet(CopyTexts(store), content.sheet_choices);
  if (const auto* reason = std::get_if<UserText>(&outcome)) {
    y = Heading(r, x, y, full, Report::tr("无法计算绕制单"));
    y +=
        r.Paragraph(x, y, full, Composed(*reason),
                    ReportFont(Face::kHei, 11, true), QColor(0xC0, 0x00, 0x00));
    y += 3;
    r.Text(QRectF(x, y, full, 6), RecommendedText(content.recommended_core),
           ReportFont(Face::kHei, 11, true));
    return;
  }
  const WindingSheet& sheet = std::get<WindingSheet>(outcome);

  // The windings side by side, one row per quantity.
  y = Heading(r, x, y, full, Report::tr("绕组（由内向外绕制）"));
  const TextRows windings = SheetWindingRows(sheet, CurrentTranslation());
  // The captions' column is as wide as its longest caption needs, and no
  // narrower than it has always been.
  double caption_mm = 42;
  for (std::size_t i = 1; i < windings.size(); ++i) {
    caption_mm = std::max(
        caption_mm,
        r.WidthMm(ToQString(windings[i][0]), ReportFont(Face::kHei, 9)) + 4);
  }
  std::vector<double> widths = {caption_mm};
  const double column =
      (full - caption_mm) / static_cast<double>(sheet.windings.size());
  widths.insert(widths.end(), sheet.windings.size(), column);
  y = TextTable(r, x, y, widths, windings, true, Qt::AlignHCenter);
  y += 5;

  // The coil against the window.
  y = Heading(r, x, y, full, Report::tr("线包"));
  r.Text(QRectF(x, y, full, 7),
         sheet.fits ? Report::tr("绕得下") : Report::tr("绕不下"),
         ReportFont(Face::kHei, 12, true), Qt::AlignLeft | Qt::AlignVCenter,
         sheet.fits ? QColor(0x00, 0x80, 0x00) : QColor(0xC0, 0x00, 0x00));
  y += 7;
  y += r.Paragraph(x, y, full,
                   ToQString(CoilVerdictText(sheet, CurrentTranslation())),
                   ReportFont(Face::kHei, 9.5));
  y += 5;

  // How it will run on the left; what to buy and the core on the right.
  const double left_w = 100;
  const double right_x = x + left_w + kGapMm;
  const double right_w = full - left_w - kGapMm;
  double left_y = Heading(r, x, y, left_w, Report::tr("运行估算"));
  TextRows figures;
  for (const auto& [caption, value] :
       SheetFigures(sheet, CurrentTranslation())) {
    figures.push_back({caption, value});
  }
  left_y =
      TextTable(r, x, left_y, {32, left_w - 32}, figures, false, Qt::AlignLeft);
  double right_y = Heading(r, right_x, y, right_w, Report::tr("要买的漆包线"));
  TextRows buy = {{Report::tr("规格").toStdString(),
                   Report::tr("长度").toStdString(),
                   Report::tr("重量").toStdString()}};
  for (const auto& row : WiresToBuyTexts(sheet, CurrentTranslation())) {
    buy.push_back({row.begin(), row.end()});
  }
  right_y = TextTable(r, right_x, right_y, {24, 21, right_w - 45}, buy, true,
                      Qt::AlignRight);
  right_y += 5;
  right_y += r.Paragraph(right_x, right_y, right_w,
                         RecommendedText(content.recommended_core),
                         ReportFont(Face::kHei, 9.5, true));
  y = std::max(left_y, right_y) + 5;

  if (!sheet.notes.empty()) {
    y = Heading(r, x, y, full, Report::tr("说明"));
    const QFont font = ReportFont(Face::kHei, 9);
    for (const UserText& note : sheet.notes) {
      if (y > 297 - kMarginMm - 12 && writer.newPage()) y = kMarginMm;
      r.Text(QRectF(x, y, 4, 4.6), QStringLiteral("•"), font);
      y += r.Paragraph(x + 4, y + 0.3, full - 4, Composed(note), font) + 1;
    }
  }

  const QString footer = Report::tr(
      "由 Spulix 生成。绕制单按标准漆包线的最大外径与整层"
      "绕制计算；铁损、温升为估算，不改变第一页的数值。");
  r.Text(QRectF(x, 297 - kMarginMm, full, 5), footer,
         FittingFont(r, footer, 8, 7, full), Qt::AlignLeft | Qt::AlignVCenter,
         QColor(0x70, 0x70, 0x70));
}

}  // namespace

bool WriteDesignReport(const FieldStore& store, const ReportContent& content,
                       QIODevice* device) {
  QPdfWriter writer(device);
  writer.setResolution(kResolution);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                   QPageLayout::Portrait, QMarginsF()));
  writer.setTitle(Report::tr("Spulix 电源变压器设计报告"));
  writer.setCreator(QStringLiteral("Spulix"));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  Paint(painter, store, content);
  if (!writer.newPage()) return false;
  PaintSheet(writer, painter, store, content);
  return painter.end();
}

}  // namespace spulix
