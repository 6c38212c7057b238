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

class QIODevice;

namespace spulix {

class FieldStore;

// Standard parts matched to the design; every value may be unknown.
struct StandardParts {
  struct Core {
    std::string name;               // catalogue name, e.g. "EI-66"
    std::optional<double> a, c, h;  // millimetres
  };
  struct Wire {
    std::optional<double> nominal;  // bare copper diameter, millimetres
    std::optional<double> grade1;   // overall diameter, enamel grade 1
    std::optional<double> grade2;   // overall diameter, enamel grade 2
  };
  std::optional<Core> core;
  std::optional<Wire> d1;
  std::optional<Wire> d2;
};

struct ReportContent {
  QString file_name;  // empty: not saved yet
  QDateTime when;
  std::optional<StandardParts> parts;  // the section shows only when given
};

// The standard parts the design uses: the catalogue core (shipped, or the
// user's own from `user_core_file`) whose a, c and h the fields hold, and
// the standard wires whose nominal diameters d1 and d2 hold. Nothing when
// none of them matches.
std::optional<StandardParts> ChosenStandardParts(
    const FieldStore& store, const QString& user_core_file);

// Writes the report for the store's texts as they stand. False when the
// device could not be written.
bool WriteDesignReport(const FieldStore& store, const ReportContent& content,
                       QIODevice* device);

}  // namespace spulix

#endif  // SPULIX_UI_DESIGN_REPORT_H_
