// SPDX-License-Identifier: GPL-3.0-or-later
// The report's first page: the inputs, the results, the core fit verdict,
// the core diagram with its figures and, where the user chose them, the
// standard core and wires.
#ifndef SPULIX_UI_OUTPUT_REPORT_DESIGN_PAGE_H_
#define SPULIX_UI_OUTPUT_REPORT_DESIGN_PAGE_H_

#include <QPainter>

#include "design/field_store.h"
#include "ui/output/design_report.h"

namespace spulix::report {

void PaintDesignPage(QPainter& painter, const FieldStore& store,
                     const ReportContent& content);

}  // namespace spulix::report

#endif  // SPULIX_UI_OUTPUT_REPORT_DESIGN_PAGE_H_
