// SPDX-License-Identifier: GPL-3.0-or-later
// The design report, A4 pages of PDF: the design on the first page
// (report_design_page.h), its winding sheet on the second
// (report_sheet_page.h), whose notes may run onto a third, then the coil
// drawn to scale with the load curves (report_drawing_page.h). Text stays text
// (searchable), in the program's Chinese faces.
#ifndef SPULIX_UI_OUTPUT_DESIGN_REPORT_H_
#define SPULIX_UI_OUTPUT_DESIGN_REPORT_H_

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>

#include "design/parts/standard_parts.h"
#include "design/sheet/winding_sheet.h"

class QIODevice;

namespace spulix {

class FieldStore;

struct ReportContent {
  QString file_name;  // empty: not saved yet
  QDateTime when;
  std::optional<StandardParts> parts;  // the section shows only when given
  SheetChoices sheet_choices;          // the design's, for page two
  std::optional<std::string> recommended_core;  // by the sheet, if any
};

// Writes the report for the store's texts as they stand. False when the
// device could not be written.
bool WriteDesignReport(const FieldStore& store, const ReportContent& content,
                       QIODevice* device);

}  // namespace spulix

#endif  // SPULIX_UI_OUTPUT_DESIGN_REPORT_H_
