// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/core_catalogue.h"

#include <algorithm>
#include <array>

#include "design/parts/csv_text.h"
#include "design/parts/shipped_data.h"
#include "design/transformer_design.h"
#include "design/utf8.h"

namespace spulix {
namespace {

constexpr std::array<const char*, 4> kHeader = {
    "name", "tongue_a_mm", "window_width_c_mm", "window_height_h_mm"};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Counts the code points of valid UTF-8 without control characters;
// returns -1 for anything else.
int PrintableLength(std::string_view text) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    char32_t c = 0;
    const int length = DecodeCodePoint(text, i, &c);
    if (length == 0 || c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
      return -1;
    }
    i += static_cast<std::size_t>(length);
  }
  return count;
}

constexpr TextContext kCoreCatalogueTexts{"CoreCatalogue"};

// A dimension cell: a positive number of millimetres, or why not.
std::variant<double, UserText> ReadDimension(const char* symbol,
                                             std::string_view text) {
  const UserText name = Verbatim(symbol);
  if (text.empty()) {
    return kCoreCatalogueTexts.Say(SPULIX_TEXT("CoreCatalogue", "%1 为空"),
                                   {name});
  }
  double value = 0;
  try {
    // The value is the number of the text the program writes for it, so
    // that a spreadsheet's 12.700000000000001 is the 12.7 that 使用 puts
    // into the field and that MatchCore then looks for.
    value = ReadStrict(DimensionText(ReadStrict(text)));
  } catch (const TypeMismatch&) {
    return kCoreCatalogueTexts.Say(
        SPULIX_TEXT("CoreCatalogue", "%1“%2”不是数字"),
        {name, Verbatim(std::string(text))});
  } catch (const ArithmeticFault&) {
    return kCoreCatalogueTexts.Say(
        SPULIX_TEXT("CoreCatalogue", "%1“%2”超出范围"),
        {name, Verbatim(std::string(text))});
  }
  if (!(value > 0)) {
    return kCoreCatalogueTexts.Say(
        SPULIX_TEXT("CoreCatalogue", "%1 必须大于 0"), {name});
  }
  if (value > kMaxCoreDimensionMm) {
    return kCoreCatalogueTexts.Say(
        SPULIX_TEXT("CoreCatalogue", "%1 不能超过 %2 毫米"),
        {name, Verbatim(DimensionText(kMaxCoreDimensionMm))});
  }
  return value;
}

// Column positions of name, a, c, h.
using Columns = std::array<std::size_t, 4>;

// A header line names the name column somewhere.
bool IsHeader(const std::vector<std::string>& cells) {
  return std::ranges::any_of(cells, [](const std::string& cell) {
    return SameName(cell, kHeader[0]);
  });
}

std::optional<Columns> HeaderColumns(const std::vector<std::string>& cells) {
  Columns columns{};
  for (std::size_t k = 0; k < kHeader.size(); ++k) {
    const auto it = std::ranges::find_if(cells, [&](const std::string& cell) {
      return SameName(cell, kHeader[k]);
    });
    if (it == cells.end()) return std::nullopt;
    columns[k] = static_cast<std::size_t>(it - cells.begin());
  }
  return columns;
}

}  // namespace

std::string DimensionText(double mm) { return FormatGeneral(mm); }

std::string DescribeIssue(const CatalogueIssue& issue,
                          const Translate& translate) {
  return Compose(kCoreCatalogueTexts.Say(
                     SPULIX_TEXT("CoreCatalogue", "第 %1 行：%2"),
                     {Verbatim(std::to_string(issue.line)), issue.reason}),
                 translate);
}

std::variant<CoreEntry, UserText> ReadCoreInput(const CoreInput& input) {
  CoreEntry entry;
  const std::string_view name = TrimBlanks(input.name);
  if (name.empty())
    return kCoreCatalogueTexts.Say(SPULIX_TEXT("CoreCatalogue", "型号为空"));
  const int length = PrintableLength(name);
  if (length < 0) {
    return kCoreCatalogueTexts.Say(
        SPULIX_TEXT("CoreCatalogue", "型号含有无效或不可见的字符"));
  }
  if (length > kMaxCoreNameLength) {
    return kCoreCatalogueTexts.Say(
        SPULIX_TEXT("CoreCatalogue", "型号超过 %1 个字符"),
        {Verbatim(std::to_string(kMaxCoreNameLength))});
  }
  entry.name.assign(name);
  const std::pair<const char*, const std::string*> cells[] = {
      {"a", &input.a}, {"c", &input.c}, {"h", &input.h}};
  double* targets[] = {&entry.a_mm, &entry.c_mm, &entry.h_mm};
  for (std::size_t k = 0; k < 3; ++k) {
    auto value = ReadDimension(cells[k].first, TrimBlanks(*cells[k].second));
    if (auto* reason = std::get_if<UserText>(&value)) return *reason;
    *targets[k] = std::get<double>(value);
  }
  return entry;
}

CoreCsvParse ParseCoreCsv(std::string_view text, bool built_in,
                          const std::vector<CoreEntry>& taken) {
  CoreCsvParse parse;
  const std::vector<CsvRecord> records = SplitCsv(text);
  Columns columns = {0, 1, 2, 3};
  std::size_t first = 0;
  if (!records.empty() && !records.front().error) {
    if (!IsHeader(records.front().cells)) {
      // No header: name, a, c, h.
    } else if (auto header = HeaderColumns(records.front().cells)) {
      columns = *header;
      first = 1;
    } else {
      // A header that names too few columns: the rows are read by position.
      parse.issues.push_back(
          {records.front().line,
           kCoreCatalogueTexts.Say(SPULIX_TEXT("CoreCatalogue",
                                               "表头缺少 tongue_a_mm、"
                                               "window_width_c_mm 或 "
                                               "window_height_h_mm"))});
      first = 1;
    }
  }
  const std::size_t needed = *std::ranges::max_element(columns) + 1;
  for (std::size_t r = first; r < records.size(); ++r) {
    const CsvRecord& record = records[r];
    if (record.error) {
      // The reader's few fixed reasons, marked where it gives them.
      parse.issues.push_back({record.line, {"CsvText", *record.error, {}}});
      continue;
    }
    if (record.cells.size() < needed) {
      parse.issues.push_back(
          {record.line,
           kCoreCatalogueTexts.Say(
               SPULIX_TEXT("CoreCatalogue", "只有 %1 列，需要 %2 列"),
               {Verbatim(std::to_string(record.cells.size())),
                Verbatim(std::to_string(needed))})});
      continue;
    }
    auto read =
        ReadCoreInput({record.cells[columns[0]], record.cells[columns[1]],
                       record.cells[columns[2]], record.cells[columns[3]]});
    if (auto* reason = std::get_if<UserText>(&read)) {
      parse.issues.push_back({record.line, *reason});
      continue;
    }
    CoreEntry entry = std::get<CoreEntry>(std::move(read));
    const auto same = [&](const CoreEntry& other) {
      return SameName(other.name, entry.name);
    };
    if (std::ranges::any_of(taken, same) ||
        std::ranges::any_of(parse.cores, same)) {
      parse.issues.push_back(
          {record.line,
           kCoreCatalogueTexts.Say(SPULIX_TEXT("CoreCatalogue", "型号“%1”重复"),
                                   {Verbatim(entry.name)})});
      continue;
    }
    entry.built_in = built_in;
    parse.cores.push_back(std::move(entry));
  }
  return parse;
}

std::string CoreCsvText(const std::vector<CoreEntry>& cores) {
  std::string text;
  for (const char* column : kHeader) {
    if (!text.empty()) text += ',';
    text += column;
  }
  text += '\n';
  for (const CoreEntry& core : cores) {
    text += CsvCell(core.name) + ',' + DimensionText(core.a_mm) + ',' +
            DimensionText(core.c_mm) + ',' + DimensionText(core.h_mm) + '\n';
  }
  return text;
}

const std::vector<CoreEntry>& BuiltInCores() {
  static const std::vector<CoreEntry> cores =
      ParseCoreCsv(ShippedCoreCsv(), /*built_in=*/true).cores;
  return cores;
}

CoreCatalogue::CoreCatalogue()
    : cores_(BuiltInCores()), built_in_count_(BuiltInCores().size()) {}

std::vector<CatalogueIssue> CoreCatalogue::LoadUserCsv(std::string_view text) {
  cores_.resize(built_in_count_);
  return AddUserCsv(text);
}

std::vector<CatalogueIssue> CoreCatalogue::AddUserCsv(std::string_view text) {
  CoreCsvParse parse = ParseCoreCsv(text, /*built_in=*/false, cores_);
  cores_.insert(cores_.end(), parse.cores.begin(), parse.cores.end());
  return std::move(parse.issues);
}

std::string CoreCatalogue::UserCsv() const {
  return CoreCsvText(std::vector<CoreEntry>(
      cores_.begin() + static_cast<std::ptrdiff_t>(built_in_count_),
      cores_.end()));
}

std::optional<std::string> CoreCatalogue::NameTaken(
    std::string_view name, std::optional<std::size_t> except,
    const Translate& translate) const {
  for (std::size_t i = 0; i < cores_.size(); ++i) {
    if (i != except && SameName(cores_[i].name, name)) {
      return Compose(kCoreCatalogueTexts.Say(
                         SPULIX_TEXT("CoreCatalogue", "型号“%1”已经存在"),
                         {Verbatim(std::string(name))}),
                     translate);
    }
  }
  return std::nullopt;
}

std::optional<std::string> CoreCatalogue::AddUserCore(
    const CoreInput& input, const Translate& translate) {
  auto read = ReadCoreInput(input);
  if (auto* reason = std::get_if<UserText>(&read)) {
    return Compose(*reason, translate);
  }
  CoreEntry entry = std::get<CoreEntry>(std::move(read));
  if (auto taken = NameTaken(entry.name, std::nullopt, translate)) return taken;
  cores_.push_back(std::move(entry));
  return std::nullopt;
}

std::optional<std::string> CoreCatalogue::ReplaceUserCore(
    std::size_t index, const CoreInput& input, const Translate& translate) {
  if (index >= cores_.size()) {
    return Compose(
        kCoreCatalogueTexts.Say(SPULIX_TEXT("CoreCatalogue", "没有这个铁心")),
        translate);
  }
  if (IsBuiltIn(index)) {
    return Compose(kCoreCatalogueTexts.Say(
                       SPULIX_TEXT("CoreCatalogue", "标准铁心不能修改")),
                   translate);
  }
  auto read = ReadCoreInput(input);
  if (auto* reason = std::get_if<UserText>(&read)) {
    return Compose(*reason, translate);
  }
  CoreEntry entry = std::get<CoreEntry>(std::move(read));
  if (auto taken = NameTaken(entry.name, index, translate)) return taken;
  cores_[index] = std::move(entry);
  return std::nullopt;
}

std::optional<std::string> CoreCatalogue::RemoveUserCore(
    std::size_t index, const Translate& translate) {
  if (index >= cores_.size()) {
    return Compose(
        kCoreCatalogueTexts.Say(SPULIX_TEXT("CoreCatalogue", "没有这个铁心")),
        translate);
  }
  if (IsBuiltIn(index)) {
    return Compose(kCoreCatalogueTexts.Say(
                       SPULIX_TEXT("CoreCatalogue", "标准铁心不能删除")),
                   translate);
  }
  cores_.erase(cores_.begin() + static_cast<std::ptrdiff_t>(index));
  return std::nullopt;
}

std::optional<std::size_t> CoreCatalogue::FindByName(
    std::string_view name) const {
  for (std::size_t i = 0; i < cores_.size(); ++i) {
    if (SameName(cores_[i].name, name)) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> MatchCore(const std::vector<CoreEntry>& cores,
                                     std::string_view a_text,
                                     std::string_view c_text,
                                     std::string_view h_text) {
  double a = 0, c = 0, h = 0;
  try {
    a = ReadStrict(a_text);
    c = ReadStrict(c_text);
    h = ReadStrict(h_text);
  } catch (const FieldFailure&) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < cores.size(); ++i) {
    if (cores[i].a_mm == a && cores[i].c_mm == c && cores[i].h_mm == h) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> MatchCore(const std::vector<CoreEntry>& cores,
                                     const FieldStore& store) {
  return MatchCore(cores, store.Text(Field::kTongueWidth),
                   store.Text(Field::kWindowWidth),
                   store.Text(Field::kWindowHeight));
}

}  // namespace spulix
