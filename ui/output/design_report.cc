// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/design_report.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "design/design.h"
#include "ui/output/report_design_page.h"
#include "ui/output/report_drawing_page.h"
#include "ui/output/report_painter.h"
#include "ui/output/report_sheet_page.h"

namespace spulix {

bool WriteDesignReport(const FieldStore& store, const ReportContent& content,
                       QIODevice* device) {
  // Everything the pages show is computed before the first stroke.
  const SheetOutcome sheet =
      ComputeWindingSheet(CopyTexts(store), content.sheet_choices);
  QPdfWriter writer(device);
  writer.setResolution(report::kResolution);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                   QPageLayout::Portrait, QMarginsF()));
  writer.setTitle(report::ReportTitle());
  writer.setCreator(QStringLiteral("Spulix"));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  report::PaintDesignPage(painter, store, sheet, content);
  if (!writer.newPage()) return false;
  report::PaintSheetPage(writer, painter, sheet, content);
  if (const auto* wound = std::get_if<WindingSheet>(&sheet)) {
    if (!writer.newPage()) return false;
    report::PaintDrawingPage(painter, *wound);
  }
  return painter.end();
}

}  // namespace spulix
