// SPDX-License-Identifier: GPL-3.0-or-later
// The report's page after the winding sheet: the coil's cross-section to
// scale and the load curves, as the 绕制单 window draws them.
#ifndef SPULIX_UI_OUTPUT_REPORT_DRAWING_PAGE_H_
#define SPULIX_UI_OUTPUT_REPORT_DRAWING_PAGE_H_

#include <QPainter>

#include "design/sheet/winding_sheet.h"

namespace spulix::report {

void PaintDrawingPage(QPainter& painter, const WindingSheet& sheet);

}  // namespace spulix::report

#endif  // SPULIX_UI_OUTPUT_REPORT_DRAWING_PAGE_H_
