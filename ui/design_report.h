// SPDX-License-Identifier: GPL-3.0-or-later
// The design report: one A4 page of PDF with the inputs, the results, the
// core fit verdict, the core diagram with its figures and, where the user
// chose them, the standard core and wires. Text stays text (searchable),
// in the program's Chinese faces.
#ifndef SPULIX_UI_DESIGN_REPORT_H_
#define SPULIX_UI_DESIGN_REPORT_H_

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>

#include "design/standard_parts.h"

class QIODevice;

namespace spulix {

class FieldStore;

struct ReportContent {
  QString file_name;  // empty: not saved yet
  QDateTime when;
  std::optional<StandardParts> parts;  // the section shows only when given
};

// Writes the report for the store's texts as they stand. False when the
// device could not be written.
bool WriteDesignReport(const FieldStore& store, const ReportContent& content,
                       QIODevice* device);

}  // namespace spulix

#endif  // SPULIX_UI_DESIGN_REPORT_H_
