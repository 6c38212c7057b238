// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/design_document.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <type_traits>
#include <utility>

#include "design/sheet/dc_winding.h"

namespace spulix {
namespace {

// Written in a fixed order; read into a map, whose lookups stay fast
// however many keys a file holds.
using Json = nlohmann::ordered_json;
using ReadJson = nlohmann::json;

constexpr const char* kSheetKey = "sheet";

std::string FigureName(Caption caption) {
  return "Label" + std::to_string(static_cast<int>(caption));
}

std::string ControlName(int number) { return "Text" + std::to_string(number); }

DesignError Error(DesignError::Kind kind, std::string detail = {}) {
  return DesignError{kind, std::move(detail)};
}

DesignError At(DesignError::Kind kind, std::string_view text,
               std::uint64_t position) {
  DesignError error{kind, {}, position};
  error.line = 1;
  error.column = 1;
  const std::uint64_t end = std::min<std::uint64_t>(position, text.size());
  for (std::uint64_t i = 0; i < end; ++i) {
    if (text[i] == '\n') {
      ++error.line;
      error.column = 1;
    } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      ++error.column;  // columns count characters, not bytes
    }
  }
  return error;
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

DesignError FromParseError(const ReadJson::parse_error& error,
                           std::string_view text) {
  // The parser counts the byte it stopped at from 1.
  const std::uint64_t position = error.byte > 0 ? error.byte - 1 : 0;
  const std::string_view what = error.what();
  if (what.find("UTF-8") != std::string_view::npos) {
    return At(DesignError::Kind::kInvalidUtf8, text, position);
  }
  if (what.find("unexpected end of input") != std::string_view::npos ||
      what.find("missing closing quote") != std::string_view::npos) {
    if (position + 1 >= text.size()) {
      return At(DesignError::Kind::kTruncated, text, text.size());
    }
  }
  return At(DesignError::Kind::kNotJson, text, position);
}

// Copies the string members `names` of `object` (under `section`) in order.
template <std::size_t N, typename NameOf>
std::optional<DesignError> ReadStrings(const ReadJson& root,
                                       const char* section,
                                       std::array<std::string, N>& out,
                                       NameOf name_of) {
  const auto found = root.find(section);
  if (found == root.end())
    return Error(DesignError::Kind::kMissingKey, section);
  if (!found->is_object()) return Error(DesignError::Kind::kWrongType, section);
  for (std::size_t i = 0; i < N; ++i) {
    const std::string name = name_of(i);
    const auto value = found->find(name);
    if (value == found->end()) {
      return Error(DesignError::Kind::kMissingKey, name);
    }
    if (!value->is_string()) return Error(DesignError::Kind::kWrongType, name);
    out[i] = value->template get_ref<const std::string&>();
  }
  return std::nullopt;
}

std::string Member(const std::string& path, const char* key) {
  return path + "." + key;
}

// The member `key` of `object` when it is present: a bool or a string.
// Leaves `out` as it is when absent; the key's path when mistyped.
template <typename T>
std::optional<DesignError> ReadMember(const ReadJson& object, const char* key,
                                      const std::string& path, T& out) {
  const auto value = object.find(key);
  if (value == object.end()) return std::nullopt;
  const bool typed =
      std::is_same_v<T, bool> ? value->is_boolean() : value->is_string();
  if (!typed) return Error(DesignError::Kind::kWrongType, Member(path, key));
  out = value->template get<T>();
  return std::nullopt;
}

// A winding's load under `key` when present: an object whose "kind" names
// one (design/sheet/dc_winding.h) and whose figures are strings, kept as
// typed. Anything else refuses the file with the member named.
std::optional<DesignError> ReadLoad(const ReadJson& object, const char* key,
                                    const std::string& path,
                                    SecondaryLoad& load) {
  const auto found = object.find(key);
  if (found == object.end()) return std::nullopt;
  const std::string at = Member(path, key);
  if (!found->is_object()) return Error(DesignError::Kind::kWrongType, at);
  std::string kind = LoadKindKey(LoadKind::kAc);
  if (auto error = ReadMember(*found, "kind", at, kind)) return error;
  const std::optional<LoadKind> known = LoadKindFromKey(kind);
  if (!known) return Error(DesignError::Kind::kWrongType, Member(at, "kind"));
  load.kind = *known;
  for (auto [name, text] :
       {std::pair{"udc", &load.udc}, std::pair{"idc", &load.idc},
        std::pair{"c_uf", &load.c_uf}, std::pair{"vf", &load.vf}}) {
    if (auto error = ReadMember(*found, name, at, *text)) return error;
  }
  return std::nullopt;
}

// Written only for a DC load, so a file of AC windings reads as before.
void WriteLoad(const SecondaryLoad& load, const char* key, Json& out) {
  if (load.kind == LoadKind::kAc) return;
  out[key] = {{"kind", LoadKindKey(load.kind)},
              {"udc", load.udc},
              {"idc", load.idc},
              {"c_uf", load.c_uf},
              {"vf", load.vf}};
}

// The optional "sheet": every member may be left out and keeps its default
// (an extra secondary's U and I: empty); a value of the wrong JSON type, or
// an enamel grade other than 1 or 2, refuses the file. Texts are kept as
// they are, numbers or not, and so is a steel name no grade has: the sheet
// names what it cannot use.
std::optional<DesignError> ReadSheet(const ReadJson& root,
                                     SheetChoices& sheet) {
  const auto found = root.find(kSheetKey);
  if (found == root.end()) return std::nullopt;
  const std::string path = kSheetKey;
  if (!found->is_object()) return Error(DesignError::Kind::kWrongType, path);
  // The grade is one of two whole numbers, so 2.0, "2" and 3 are refused.
  const auto grade = found->find("enamel_grade");
  if (grade != found->end()) {
    if (!grade->is_number_integer() || (*grade != 1 && *grade != 2)) {
      return Error(DesignError::Kind::kWrongType, Member(path, "enamel_grade"));
    }
    sheet.enamel_grade = *grade == 1 ? 1 : 2;
  }
  if (auto error = ReadMember(*found, "steel", path, sheet.steel)) {
    return error;
  }
  if (auto error = ReadMember(*found, "center_tap", path,
                              sheet.secondaries.main().center_tap)) {
    return error;
  }
  if (auto error = ReadMember(*found, "stack_mm", path, sheet.stack_mm)) {
    return error;
  }
  if (auto error =
          ReadMember(*found, "full_load_turns", path, sheet.full_load_turns)) {
    return error;
  }
  if (auto error =
          ReadLoad(*found, "main_load", path, sheet.secondaries.main().load)) {
    return error;
  }
  const auto extras = found->find("extra_secondaries");
  if (extras == found->end()) return std::nullopt;
  const std::string list = Member(path, "extra_secondaries");
  if (!extras->is_array()) return Error(DesignError::Kind::kWrongType, list);
  for (std::size_t i = 0; i < extras->size(); ++i) {
    const ReadJson& entry = (*extras)[i];
    const std::string at = list + "[" + std::to_string(i) + "]";
    if (!entry.is_object()) return Error(DesignError::Kind::kWrongType, at);
    Secondary extra;
    if (auto error = ReadMember(entry, "U", at, extra.voltage)) return error;
    if (auto error = ReadMember(entry, "I", at, extra.current)) return error;
    if (auto error = ReadMember(entry, "center_tap", at, extra.center_tap)) {
      return error;
    }
    if (auto error = ReadLoad(entry, "load", at, extra.load)) return error;
    sheet.secondaries.AddExtra(std::move(extra));
  }
  return std::nullopt;
}

Json SheetJson(const SheetChoices& sheet) {
  Json out;
  out["enamel_grade"] = sheet.enamel_grade;
  out["steel"] = sheet.steel;
  out["center_tap"] = sheet.secondaries.main().center_tap;
  Json extras = Json::array();
  for (const Secondary& extra : sheet.secondaries.extras()) {
    Json entry;
    entry["U"] = extra.voltage;
    entry["I"] = extra.current;
    entry["center_tap"] = extra.center_tap;
    WriteLoad(extra.load, "load", entry);
    extras.push_back(std::move(entry));
  }
  out["extra_secondaries"] = std::move(extras);
  // Written only when chosen, so a file without them reads as before.
  if (!sheet.stack_mm.empty()) out["stack_mm"] = sheet.stack_mm;
  if (sheet.full_load_turns) out["full_load_turns"] = true;
  WriteLoad(sheet.secondaries.main().load, "main_load", out);
  return out;
}

}  // namespace

// Looks outside the strings only: a megabyte of brackets or of keys would
// cost the parser a gigabyte or seconds. Broken JSON passes here and fails
// in the parser.
std::optional<DesignError> CheckDesignShape(std::string_view text) {
  int depth = 0;
  std::uint64_t values = 1;
  bool in_string = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (in_string) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        in_string = false;
      }
      continue;
    }
    switch (c) {
      case '"':
        in_string = true;
        break;
      case '{':
      case '[':
        if (++depth > kMaxDesignDepth || ++values > kMaxDesignValues) {
          return At(DesignError::Kind::kTooComplex, text, i);
        }
        break;
      case '}':
      case ']':
        if (depth > 0) --depth;
        break;
      case ',':
        if (++values > kMaxDesignValues) {
          return At(DesignError::Kind::kTooComplex, text, i);
        }
        break;
      default:
        break;
    }
  }
  return std::nullopt;
}

std::string SerializeDesign(const Design& design) {
  Json root;
  root["format"] = kDesignFormat;
  root["version"] = kDesignVersion;
  Json fields = Json::object();
  for (int number = 1; number <= kFieldCount; ++number) {
    fields[ControlName(number)] = design.texts[FieldFromNumber(number)];
  }
  root["fields"] = std::move(fields);
  Json labels = Json::object();
  for (std::size_t i = 0; i < kDesignFigures.size(); ++i) {
    labels[FigureName(kDesignFigures[i])] = design.figures[i];
  }
  root["labels"] = std::move(labels);
  // Only where the choices are not the defaults, so that a design without
  // any keeps the bytes it always had.
  if (design.sheet != SheetChoices{}) {
    root[kSheetKey] = SheetJson(design.sheet);
  }
  // Texts from the window and the tool are valid UTF-8; a stray byte from
  // elsewhere becomes U+FFFD rather than failing the save.
  return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

DesignParse ParseDesign(std::string_view text) {
  if (IsBlank(text)) return Error(DesignError::Kind::kEmpty);
  if (auto error = CheckDesignShape(text)) return *error;
  ReadJson root;
  try {
    root = ReadJson::parse(text.begin(), text.end());
  } catch (const ReadJson::parse_error& error) {
    return FromParseError(error, text);
  } catch (const ReadJson::exception&) {
    // Well-formed but beyond what the parser holds, such as a number too
    // large for any type: no design of ours looks like that.
    return Error(DesignError::Kind::kNotADesign);
  }
  if (!root.is_object()) return Error(DesignError::Kind::kNotADesign);
  const auto format = root.find("format");
  if (format == root.end() || *format != kDesignFormat) {
    return Error(DesignError::Kind::kNotADesign);
  }
  const auto version = root.find("version");
  if (version == root.end() || !version->is_number_integer()) {
    return Error(DesignError::Kind::kBadVersion);
  }
  if (version->is_number_unsigned()) {
    if (version->get<std::uint64_t>() > kDesignVersion) {
      return Error(DesignError::Kind::kNewerVersion, version->dump());
    }
  }
  if (version->get<std::int64_t>() < 1) {
    return Error(DesignError::Kind::kBadVersion, version->dump());
  }

  Design design;
  std::array<std::string, kFieldCount> texts;
  if (auto error = ReadStrings(root, "fields", texts, [](std::size_t i) {
        return ControlName(static_cast<int>(i) + 1);
      })) {
    return *error;
  }
  for (int number = 1; number <= kFieldCount; ++number) {
    design.texts[FieldFromNumber(number)] =
        std::move(texts[static_cast<std::size_t>(number - 1)]);
  }
  if (auto error = ReadStrings(
          root, "labels", design.figures,
          [](std::size_t i) { return FigureName(kDesignFigures[i]); })) {
    return *error;
  }
  if (auto error = ReadSheet(root, design.sheet)) return *error;
  return design;
}

}  // namespace spulix
