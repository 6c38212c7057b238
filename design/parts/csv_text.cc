// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/csv_text.h"

#include "design/user_text.h"

namespace spulix {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Splits one line into cells; returns the reason when it cannot.
std::optional<std::string> SplitLine(std::string_view line,
                                     std::vector<std::string>& cells) {
  std::size_t pos = 0;
  while (true) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    std::string cell;
    if (pos < line.size() && line[pos] == '"') {
      ++pos;
      bool closed = false;
      while (pos < line.size()) {
        if (line[pos] == '"') {
          if (pos + 1 < line.size() && line[pos + 1] == '"') {
            cell += '"';
            pos += 2;
            continue;
          }
          ++pos;
          closed = true;
          break;
        }
        cell += line[pos++];
      }
      if (!closed) return SPULIX_TEXT("CsvText", "引号没有闭合");
      while (pos < line.size() && IsBlank(line[pos])) ++pos;
      if (pos < line.size() && line[pos] != ',') {
        return SPULIX_TEXT("CsvText", "引号后面有多余的字符");
      }
    } else {
      const std::size_t comma = line.find(',', pos);
      const std::size_t end =
          comma == std::string_view::npos ? line.size() : comma;
      const std::string_view raw = Trim(line.substr(pos, end - pos));
      if (raw.find('"') != std::string_view::npos) {
        return SPULIX_TEXT("CsvText", "引号只能包住整个单元格");
      }
      cell.assign(raw);
      pos = end;
    }
    cells.push_back(std::move(cell));
    if (pos >= line.size()) return std::nullopt;
    ++pos;  // the comma
  }
}

}  // namespace

std::vector<CsvRecord> SplitCsv(std::string_view text) {
  if (text.starts_with(kByteOrderMark))
    text.remove_prefix(kByteOrderMark.size());
  std::vector<CsvRecord> records;
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size()
                                                         : newline + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    CsvRecord record;
    record.line = number;
    record.error = SplitLine(line, record.cells);
    if (record.error) record.cells.clear();
    records.push_back(std::move(record));
  }
  return records;
}

std::string CsvCell(std::string_view cell) {
  const bool quote =
      cell.find_first_of(",\"\r\n") != std::string_view::npos ||
      (!cell.empty() &&
       (IsBlank(cell.front()) || IsBlank(cell.back()) || cell.front() == '#'));
  if (!quote) return std::string(cell);
  std::string out = "\"";
  for (char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

}  // namespace spulix
