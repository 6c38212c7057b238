// SPDX-License-Identifier: GPL-3.0-or-later
// Comma-separated text as the data files use it: one record per line,
// cells optionally in double quotes ("" stands for one quote), blank lines
// and lines starting with '#' ignored, a leading UTF-8 byte order mark and
// Windows line ends accepted.
#ifndef SPULIX_DESIGN_PARTS_CSV_TEXT_H_
#define SPULIX_DESIGN_PARTS_CSV_TEXT_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spulix {

struct CsvRecord {
  int line = 0;  // 1-based line number in the text
  std::vector<std::string> cells;
  // Why the line could not be split (Chinese, for the user, marked in the
  // context CsvText); cells are then empty.
  std::optional<std::string> error;
};

std::vector<CsvRecord> SplitCsv(std::string_view text);

// One cell as CSV: quoted when it holds a comma, a quote, a line break or
// blanks at its ends, or starts with '#'.
std::string CsvCell(std::string_view cell);

}  // namespace spulix

#endif  // SPULIX_DESIGN_PARTS_CSV_TEXT_H_
