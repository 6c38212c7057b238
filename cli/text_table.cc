// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/text_table.h"

#include <algorithm>

#include "design/utf8.h"

namespace spulix {
namespace {

std::string PadRight(const std::string& text, int width) {
  const int missing = width - DisplayWidth(text);
  return missing > 0
             ? text + std::string(static_cast<std::size_t>(missing), ' ')
             : text;
}

}  // namespace

std::string Aligned(const std::vector<std::vector<std::string>>& rows) {
  std::vector<int> widths(rows[0].size(), 0);
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
  }
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      line += c + 1 < row.size() ? PadRight(row[c], widths[c] + 2) : row[c];
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  return out;
}

}  // namespace spulix
