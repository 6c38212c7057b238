// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/report_drawing_page.h"

#include "design/sheet/coil_section.h"
#include "ui/output/report_painter.h"
#include "ui/widgets/coil_section_view.h"
#include "ui/widgets/load_curve_view.h"

namespace spulix::report {

void PaintDrawingPage(QPainter& painter, const WindingSheet& sheet) {
  ReportPainter r(painter);
  const double x = kMarginMm;
  const double full = kPageWidthMm - 2 * kMarginMm;
  double y = kMarginMm;
  r.Text(QRectF(x, y, full, 10), Report::tr("绕制图与负载曲线"),
         ReportFont(Face::kHei, 18, true));
  y += 14;

  y = Heading(r, x, y, full, Report::tr("窗口截面（按比例）"));
  constexpr double kDrawingMm = 120;
  painter.save();
  painter.setFont(ReportFont(Face::kHei, 8));
  CoilSectionView::Paint(painter, r.Mm(x, y, full, kDrawingMm),
                         CoilSectionOf(sheet));
  painter.restore();
  y += kDrawingMm + 6;

  y = Heading(r, x, y, full, Report::tr("从空载到 125% 负载（估算）"));
  constexpr double kCurvesMm = 95;
  painter.save();
  painter.setFont(ReportFont(Face::kHei, 8));
  LoadCurveView::Paint(painter, r.Mm(x, y, full, kCurvesMm),
                       LoadCurveView::PlotOf(sheet));
  painter.restore();

  const QString footer = Report::tr(
      "效率、温升与满载电压按绕制单的公式逐点计算：铁损不随负载变化，"
      "铜损与电流的平方成正比；温升为自然冷却的估算。");
  r.Text(QRectF(x, kPageHeightMm - kMarginMm, full, 5), footer,
         FittingFont(r, footer, 8, 7, full), Qt::AlignLeft | Qt::AlignVCenter,
         kFooterColour);
}

}  // namespace spulix::report
