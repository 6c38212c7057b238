// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/script_parser.h"

#include <charconv>

#include "design/transformer_design.h"
#include "design/utf8.h"

namespace spulix {
namespace {

constexpr std::string_view kInputSymbols[] = {"P2", "U1", "U2", "h",  "c",
                                              "a",  "r1", "f1", "r2", "f2"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Quote(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '\'';
  quoted += text;
  quoted += '\'';
  return quoted;
}

// Splits off the next word (up to a space or the end) from `rest`.
std::string_view NextWord(std::string_view& rest) {
  const std::size_t end = rest.find(' ');
  std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
  return word;
}

std::optional<std::string> ParseLine(std::string_view line, int number,
                                     std::vector<Action>& actions) {
  std::size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) ++start;
  if (start == line.size() || line[start] == '#') return std::nullopt;

  const std::string where = "line " + std::to_string(number) + ": ";
  std::size_t action_end = start;
  while (action_end < line.size() && !IsBlank(line[action_end])) ++action_end;
  const std::string_view verb = line.substr(start, action_end - start);
  std::size_t name_start = action_end;
  while (name_start < line.size() && IsBlank(line[name_start])) ++name_start;
  std::string_view rest = line.substr(name_start);
  const std::string_view name = NextWord(rest);
  // TEXT is everything after the single space that follows NAME.
  const std::string_view text = rest.empty() ? rest : rest.substr(1);

  Action action;
  action.line = number;
  if (verb == "set" || verb == "type" || verb == "erase" ||
      verb == "dblclick") {
    if (name.empty()) return where + "missing field name after " + Quote(verb);
    const std::optional<Field> field = FieldByToolName(name, true);
    if (!field) return where + "unknown field name " + Quote(name);
    action.field = *field;
    if (verb == "set" || verb == "type") {
      action.kind = verb == "set" ? Action::Kind::kSet : Action::Kind::kType;
      action.text = std::string(text);
    } else if (verb == "erase") {
      action.kind = Action::Kind::kErase;
      if (text.empty()) return where + "missing count after " + Quote(name);
      std::uint64_t count = 0;
      for (char c : text) {
        if (c < '0' || c > '9') return where + "bad count " + Quote(text);
        // Counts beyond any text's length simply erase everything.
        count = count > 1'000'000'000'000ULL ? count : count * 10 + (c - '0');
      }
      action.count = count;
    } else {
      action.kind = Action::Kind::kDoubleClick;
      if (!text.empty()) {
        return where + "unexpected text after " + Quote(name);
      }
    }
  } else if (verb == "click") {
    if (name.empty()) return where + "missing button name after 'click'";
    const std::optional<DesignButton> button = DesignButtonByName(name);
    if (!button) return where + "unknown button " + Quote(name);
    if (!text.empty()) return where + "unexpected text after " + Quote(name);
    action.kind = Action::Kind::kClick;
    action.button = *button;
  } else {
    return where + "unknown action " + Quote(verb) +
           " (expected set, type, erase, dblclick or click)";
  }
  actions.push_back(std::move(action));
  return std::nullopt;
}

}  // namespace

std::optional<Field> FieldByToolName(std::string_view name, bool allow_d) {
  for (std::string_view symbol : kInputSymbols) {
    if (name == symbol) return FieldBySymbol(symbol);
  }
  if (allow_d && (name == "d1" || name == "d2")) return FieldBySymbol(name);
  return FieldByControlName(name);
}

ScriptParse ParseScript(std::string_view content) {
  ScriptParse result;
  int number = 0;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content = end == std::string_view::npos ? std::string_view()
                                            : content.substr(end + 1);
    ++number;
    // Lines may end in CR LF as written on Windows.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!IsValidUtf8(line)) {
      result.error = "line " + std::to_string(number) + ": invalid UTF-8";
      return result;
    }
    if (auto error = ParseLine(line, number, result.actions)) {
      result.error = std::move(error);
      return result;
    }
  }
  return result;
}

}  // namespace spulix
