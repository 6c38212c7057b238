// SPDX-License-Identifier: GPL-3.0-or-later
// The design report: two A4 pages of PDF. The first has the inputs, the
// results, the core fit verdict, the core diagram with its figures and,
// where the user chose them, the standard core and wires; the second the
// winding sheet (绕制单) with the design's sheet choices: what to wind, how
// the coil fits, how the transformer will run and what wire to buy. Text
// stays text (searchable), in the program's Chinese faces.
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
