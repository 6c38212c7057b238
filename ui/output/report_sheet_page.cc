// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/report_sheet_page.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <variant>
#include <vector>

#include "design/parts/steel_grades.h"
#include "design/rectifier/dc_load.h"
#include "design/sheet/dc_winding.h"
#include "design/transformer_design.h"
#include "present/dc_figures_text.h"
#include "present/sheet_text.h"
#include "ui/language/language.h"
#include "ui/language/translated_text.h"
#include "ui/output/report_painter.h"
#include "ui/store/qt_text.h"
#include "ui/widgets/half_cycle_plot.h"

namespace spulix::report {
namespace {

QString ChoicesText(const SheetChoices& choices) {
  QString steel = ToQString(choices.steel);
  if (const auto grade = FindSteelGrade(choices.steel)) {
    const SteelGrade& found = SteelGrades()[*grade];
    steel += Report::tr("（%1 毫米，1.5 特时不超过 %2 瓦/千克）")
                 .arg(QLocale::c().toString(found.thickness_mm, 'g', 4),
                      QLocale::c().toString(found.loss_w_per_kg, 'f', 2));
  }
  const Secondary& main = choices.secondaries.main();
  const std::optional<RectifierKind> rectifier = RectifierOf(main.load.kind);
  const bool tap_forced = rectifier && IsCentreTapped(*rectifier);
  QStringList parts = {
      Report::tr("漆膜：%1级")
          .arg(choices.enamel_grade == 1 ? Report::tr("一") : Report::tr("二")),
      Report::tr("硅钢片：%1").arg(steel),
      Report::tr("次级1 中心抽头：%1")
          .arg(tap_forced        ? Report::tr("是（整流需要）")
               : main.center_tap ? Report::tr("是")
                                 : Report::tr("否")),
      choices.secondaries.extras().empty()
          ? Report::tr("附加次级：无")
          : Report::tr("附加次级：%1 组")
                .arg(choices.secondaries.extras().size())};
  if (!IsEmptyText(choices.stack_mm)) {
    parts << Report::tr("实际迭厚：%1 毫米").arg(ToQString(choices.stack_mm));
  }
  if (choices.full_load_turns) parts << Report::tr("次级匝数按满载电压");
  return parts.join(Report::tr("　"));
}

QString RecommendedText(const std::optional<std::string>& core) {
  return Report::tr("推荐铁心（按实绕，最小可用）：%1")
      .arg(core ? ToQString(*core) : Report::tr("无"));
}

}  // namespace

void PaintSheetPage(QPdfWriter& writer, QPainter& painter,
                    const SheetOutcome& outcome, const ReportContent& content) {
  ReportPainter r(painter);
  const double x = kMarginMm;
  const double full = kPageWidthMm - 2 * kMarginMm;
  double y = kMarginMm;

  r.Text(QRectF(x, y, full, 10), Report::tr("绕制单"),
         ReportFont(Face::kHei, 18, true));
  r.Text(QRectF(x, y, full, 10), Report::tr("标准漆包线（带漆膜）整层绕制"),
         ReportFont(Face::kHei, 10), Qt::AlignRight | Qt::AlignVCenter,
         kSubtitleColour);
  y += 12;
  const QString choices = ChoicesText(content.sheet_choices);
  r.Text(QRectF(x, y, full, 6), choices, FittingFont(r, choices, 10, 8, full));
  y += 7;
  r.Rule(x, y, x + full, 0.5);
  y += 5;

  if (const auto* reason = std::get_if<UserText>(&outcome)) {
    y = Heading(r, x, y, full, Report::tr("无法计算绕制单"));
    y += r.Paragraph(x, y, full, Composed(*reason),
                     ReportFont(Face::kHei, 11, true),
                     QColor(verdict_palette::kBad));
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
         sheet.fits ? QColor(verdict_palette::kGood)
                    : QColor(verdict_palette::kBad));
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

  // Each winding that feeds a rectifier: its load and what it gives, and
  // a picture of its steady half-cycle beside them.
  for (std::size_t k = 0; k < sheet.windings.size(); ++k) {
    const SheetWinding& winding = sheet.windings[k];
    if (!winding.dc) continue;
    auto figures = DcFigureTexts(*winding.dc, CurrentTranslation());
    const std::string note = figures.back().second;  // leakage left out
    figures.pop_back();
    const double needed = 16 + 5.2 * static_cast<double>(figures.size());
    if (y + needed > kPageHeightMm - kMarginMm - 8 && writer.newPage()) {
      y = kMarginMm;
    }
    y = Heading(
        r, x, y, full,
        Report::tr("%1 的直流负载")
            .arg(ToQString(Compose(WindingName(k), CurrentTranslation()))));
    TextRows rows;
    for (const auto& [caption, value] : figures) {
      rows.push_back({caption, value});
    }
    double table_y =
        TextTable(r, x, y, {38, left_w - 38}, rows, false, Qt::AlignLeft);
    double plot_y = y;
    if (const auto* state =
            std::get_if<RectifierSteadyState>(&winding.dc->result)) {
      const double s = r.Scale();
      painter.setFont(ReportFont(Face::kHei, 7.5));
      PaintHalfCycleLegend(painter, QPointF(right_x * s, y * s), 3.5 * s,
                           Qt::black);
      const double plot_h = std::max(30.0, table_y - y - 6);
      PaintHalfCycle(painter, r.Mm(right_x, y + 5, right_w, plot_h),
                     state->half_cycle, 0.35 * s, kRuleColour);
      plot_y = y + 5 + plot_h;
    }
    y = std::max(table_y, plot_y) + 1;
    y +=
        r.Paragraph(x, y, full, ToQString(note), ReportFont(Face::kHei, 9)) + 5;
  }

  if (!sheet.notes.empty()) {
    y = Heading(r, x, y, full, Report::tr("说明"));
    const QFont font = ReportFont(Face::kHei, 9);
    for (const UserText& note : sheet.notes) {
      // A note goes on where it ends above the footer, else on a new page.
      const QString text = Composed(note);
      const double height = r.ParagraphHeight(full - 4, text, font) + 0.3;
      if (y + height > kPageHeightMm - kMarginMm - 1 && writer.newPage()) {
        y = kMarginMm;
      }
      r.Text(QRectF(x, y, 4, 4.6), QStringLiteral("•"), font);
      y += r.Paragraph(x + 4, y + 0.3, full - 4, text, font) + 1;
    }
  }

  const QString footer = Report::tr(
      "由 Spulix 生成。绕制单按标准漆包线的最大外径与整层"
      "绕制计算；铁损、温升为估算，不改变第一页的数值。");
  r.Text(QRectF(x, kPageHeightMm - kMarginMm, full, 5), footer,
         FittingFont(r, footer, 8, 7, full), Qt::AlignLeft | Qt::AlignVCenter,
         kFooterColour);
}

}  // namespace spulix::report
