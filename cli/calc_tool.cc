// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calc_tool.h"

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <utility>

#include "cli/script_parser.h"
#include "cli/utf8.h"
#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/transformer_design.h"
#include "document/design_error_text.h"
#include "document/design_file.h"
#include "spulix/version.h"

namespace spulix {
namespace {

constexpr Caption kLabels[] = {Caption::kStatus, Caption::kWidthFigure,
                               Caption::kTongueFigure, Caption::kHeightFigure};

struct Options {
  bool json = false;
  bool help = false;
  bool version = false;
  std::optional<std::string> script;
  std::optional<std::string> design;  // start from this design file
  std::optional<std::string> save;    // write the resulting design here
  std::vector<std::pair<Field, std::string>> assignments;
};

ToolOutput UsageError(const std::string& message) {
  return {2, "", "spulix-calc: " + message + "\n(see spulix-calc --help)\n"};
}

std::string LabelName(Caption caption) {
  return "Label" + std::to_string(static_cast<int>(caption));
}

std::string PadRight(const std::string& text, int width) {
  const int missing = width - DisplayWidth(text);
  return missing > 0
             ? text + std::string(static_cast<std::size_t>(missing), ' ')
             : text;
}

std::string Table(const MemoryStore& store) {
  std::vector<std::vector<std::string>> rows;
  rows.push_back({"控件", "符号", "名称", "文本", "单位"});
  for (Field field : ReadingOrder()) {
    const FieldInfo& info = InfoOf(field);
    rows.push_back({info.control, info.symbol, FullCaption(info),
                    store.Text(field), info.unit});
  }
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
  out += "\n";
  out += "状态栏 " + LabelName(Caption::kStatus) + ": " +
         store.CaptionText(Caption::kStatus) + "\n";
  out += "铁心图 c " + LabelName(Caption::kWidthFigure) + ": " +
         store.CaptionText(Caption::kWidthFigure) + "   a " +
         LabelName(Caption::kTongueFigure) + ": " +
         store.CaptionText(Caption::kTongueFigure) + "   h " +
         LabelName(Caption::kHeightFigure) + ": " +
         store.CaptionText(Caption::kHeightFigure) + "\n";
  return out;
}

std::string Render(const MemoryStore& store, bool json) {
  if (json) {
    nlohmann::ordered_json document;
    document["messages"] = store.messages();
    nlohmann::ordered_json fields = nlohmann::ordered_json::object();
    for (const FieldInfo& info : Catalogue()) {
      fields[info.control] = store.Text(info.field);
    }
    document["fields"] = std::move(fields);
    nlohmann::ordered_json labels = nlohmann::ordered_json::object();
    for (Caption caption : kLabels) {
      labels[LabelName(caption)] = store.CaptionText(caption);
    }
    document["labels"] = std::move(labels);
    return document.dump() + "\n";
  }
  std::string out;
  for (const std::string& message : store.messages()) {
    out += "消息: " + message + "\n";
  }
  if (!store.messages().empty()) out += "\n";
  return out + Table(store);
}

void RunAction(MemoryStore& store, const Action& action) {
  switch (action.kind) {
    case Action::Kind::kSet:
      store.SetText(action.field, action.text);
      break;
    case Action::Kind::kType:
      for (const std::string& code_point : SplitCodePoints(action.text)) {
        store.SetText(action.field, store.Text(action.field) + code_point);
      }
      break;
    case Action::Kind::kErase:
      for (std::uint64_t i = 0; i < action.count; ++i) {
        std::string text = store.Text(action.field);
        if (!EraseLastCodePoint(text)) break;
        store.SetText(action.field, text);
      }
      break;
    case Action::Kind::kDoubleClick:
      OnFieldDoubleClicked(store, action.field);
      break;
    case Action::Kind::kClick:
      switch (action.button) {
        case Button::kFitCheck:
          Command5_Click(store);
          break;
        case Button::kTest:
          Command9_Click(store);
          break;
        case Button::kRefresh:
          CalculateDesign(store);
          break;
        case Button::kClear:
          ClearDesign(store);
          break;
      }
      break;
  }
}

std::optional<ToolOutput> ParseOptions(const std::vector<std::string>& args,
                                       Options& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!IsValidUtf8(arg)) {
      return UsageError("argument " + std::to_string(i + 1) +
                        " is not valid UTF-8");
    }
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--script") {
      if (options.script) return UsageError("--script given twice");
      if (i + 1 >= args.size()) return UsageError("--script needs a FILE");
      options.script = args[++i];
    } else if (arg == "--design" || arg == "--save") {
      std::optional<std::string>& file =
          arg == "--design" ? options.design : options.save;
      if (file) return UsageError(arg + " given twice");
      if (i + 1 >= args.size()) return UsageError(arg + " needs a FILE");
      file = args[++i];
    } else if (arg.starts_with("-")) {
      return UsageError("unknown option '" + arg + "'");
    } else {
      const std::size_t equals = arg.find('=');
      if (equals == std::string::npos) {
        return UsageError("expected NAME=TEXT, got '" + arg + "'");
      }
      const std::string name = arg.substr(0, equals);
      const std::optional<Field> field = FieldByToolName(name, false);
      if (!field) {
        return UsageError(
            "unknown name '" + name + "' in '" + arg +
            "' (use P2 U1 U2 h c a r1 f1 r2 f2 or Text1..Text29)");
      }
      options.assignments.emplace_back(*field, arg.substr(equals + 1));
    }
  }
  if (options.script && !options.assignments.empty()) {
    return UsageError("NAME=TEXT cannot be combined with --script");
  }
  return std::nullopt;
}

std::optional<std::string> ReadScript(const std::string& path,
                                      std::istream& input) {
  std::ostringstream content;
  if (path == "-") {
    content << input.rdbuf();
    if (input.bad()) return std::nullopt;
    return content.str();
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  content << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return content.str();
}

// A design file that cannot be read or written: one line, exit status 2.
ToolOutput FileError(const DesignError& error, const std::string& path,
                     FileAction action) {
  return {2, "",
          "spulix-calc: " + EnglishErrorText(error, path, action) + "\n"};
}

}  // namespace

std::string CalcToolVersion() {
  return "spulix-calc " SPULIX_VERSION "\n"
         "Copyright (C) 2026 The Spulix developers\n"
         "License GPLv3+: GNU GPL version 3 or later "
         "<https://gnu.org/licenses/gpl.html>.\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n";
}

std::string CalcToolUsage() {
  return R"(Usage: spulix-calc [--json] [NAME=TEXT ...]
  or:  spulix-calc [--json] --script FILE   (FILE may be - for standard input)
  or:  spulix-calc --help | --version
  The first two also take --design FILE and --save FILE.

Computes a Spulix transformer design without a window and prints every
message the program would show, then every field.

NAME=TEXT sets a field to TEXT verbatim, in the order given, each change
running its reaction; P2 is set last and runs the calculation (without P2
the calculation runs once, as the Refresh button does). NAME is an input
symbol P2 U1 U2 h c a r1 f1 r2 f2, or a control name Text1..Text29.

A script holds one action per line (# starts a comment line):
  set NAME TEXT     replace the field's text at once
  type NAME TEXT    type TEXT one character at a time
  erase NAME N      delete the last character N times
  dblclick NAME     double-click a field (d1 and d2 recompute the build-up)
  click NAME        Command5 (core fit), Command9 (test), Command2 or SX
                    (refresh), Command3 or QK (clear)
In scripts NAME also accepts d1 and d2.

Options:
  --json            print one JSON object: messages, fields, labels
  --design FILE     start from a design saved by Spulix (.spulix) instead of
                    empty fields; its texts are taken as saved, and nothing
                    is calculated unless NAME=TEXT or a script follows
  --save FILE       write the resulting design to FILE (.spulix), replacing
                    it atomically
  --help            show this text
  --version         show the version and licence

Exit status:
  0 when the run completed, 2 on a usage error or a design file that cannot
  be read or written.
)";
}

ToolOutput RunCalcTool(const std::vector<std::string>& args,
                       std::istream& input) {
  Options options;
  if (auto error = ParseOptions(args, options)) return *error;
  if (options.help) return {0, CalcToolUsage(), ""};
  if (options.version) return {0, CalcToolVersion(), ""};

  MemoryStore store;
  if (options.design) {
    DesignParse parse = ReadDesignFile(*options.design);
    if (auto* error = std::get_if<DesignError>(&parse)) {
      return FileError(*error, *options.design, FileAction::kOpen);
    }
    RestoreDesign(store, std::get<DesignDocument>(parse));
  }
  if (options.script) {
    const std::optional<std::string> content =
        ReadScript(*options.script, input);
    if (!content) {
      return UsageError("cannot read script '" + *options.script + "'");
    }
    const ScriptParse parse = ParseScript(*content);
    if (parse.error) {
      return UsageError("script '" + *options.script + "' " + *parse.error);
    }
    for (const Action& action : parse.actions) RunAction(store, action);
  } else {
    std::optional<std::string> p2;
    for (const auto& [field, text] : options.assignments) {
      if (field == Field::kP2) {
        p2 = text;
      } else {
        store.SetText(field, text);
      }
    }
    // A design opened as it was saved stays as it was saved.
    const bool untouched = options.design && options.assignments.empty();
    if (!untouched && (!p2 || !store.SetText(Field::kP2, *p2))) {
      CalculateDesign(store);
    }
  }
  if (options.save) {
    if (auto error = WriteDesignFile(*options.save, CaptureDesign(store))) {
      return FileError(*error, *options.save, FileAction::kSave);
    }
  }
  return {0, Render(store, options.json), ""};
}

}  // namespace spulix
