// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/steel_grades.h"

#include <algorithm>

#include "design/parts/csv_text.h"
#include "design/parts/shipped_data.h"
#include "design/transformer_design.h"

namespace spulix {
namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// The shipped table: a header, then grade, thickness, loss. Rows that do
// not read are left out (the data test keeps the file clean).
std::vector<SteelGrade> ReadShippedTable() {
  std::vector<SteelGrade> grades;
  const std::vector<CsvRecord> records = SplitCsv(ShippedSteelCsv());
  for (std::size_t r = 1; r < records.size(); ++r) {
    const std::vector<std::string>& cells = records[r].cells;
    if (cells.size() < 3 || cells[0].empty()) continue;
    const std::optional<double> thickness = ReadStrictOrNone(cells[1]);
    const std::optional<double> loss = ReadStrictOrNone(cells[2]);
    if (!thickness || !loss || *thickness <= 0 || *loss <= 0) continue;
    grades.push_back({cells[0], *thickness, *loss});
  }
  return grades;
}

}  // namespace

const std::vector<SteelGrade>& SteelGrades() {
  static const std::vector<SteelGrade> grades = ReadShippedTable();
  return grades;
}

std::optional<std::size_t> FindSteelGrade(std::string_view name) {
  const std::vector<SteelGrade>& grades = SteelGrades();
  for (std::size_t i = 0; i < grades.size(); ++i) {
    if (std::ranges::equal(grades[i].name, name, [](char x, char y) {
          return LowerAscii(x) == LowerAscii(y);
        })) {
      return i;
    }
  }
  return std::nullopt;
}

}  // namespace spulix
