// SPDX-License-Identifier: GPL-3.0-or-later
// The report's winding sheet page (绕制单): the design's sheet choices, what
// to wind, how the coil fits, how the transformer will run and what wire to
// buy. Notes that do not fit go on to a further page.
#ifndef SPULIX_UI_OUTPUT_REPORT_SHEET_PAGE_H_
#define SPULIX_UI_OUTPUT_REPORT_SHEET_PAGE_H_

#include <QPainter>
#include <QPdfWriter>

#include "design/sheet/winding_sheet.h"
#include "ui/output/design_report.h"

namespace spulix::report {

// `outcome` is the sheet of the design with content.sheet_choices.
void PaintSheetPage(QPdfWriter& writer, QPainter& painter,
                    const SheetOutcome& outcome, const ReportContent& content);

}  // namespace spulix::report

#endif  // SPULIX_UI_OUTPUT_REPORT_SHEET_PAGE_H_
