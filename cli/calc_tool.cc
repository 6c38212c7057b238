// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calc_tool.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "cli/script_parser.h"
#include "cli/sheet_output.h"
#include "cli/text_table.h"
#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/design_commands.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/parts/core_catalogue.h"
#include "design/parts/core_selection.h"
#include "design/parts/steel_grades.h"
#include "design/parts/wire_table.h"
#include "design/sheet/core_search.h"
#include "design/sheet/winding_sheet.h"
#include "design/transformer_design.h"
#include "design/user_text.h"
#include "design/utf8.h"
#include "document/bounded_file.h"
#include "document/design_error_text.h"
#include "document/design_file.h"
#include "present/english_text.h"
#include "spulix/version.h"

namespace spulix {
namespace {

constexpr Caption kLabels[] = {Caption::kStatus, Caption::kWidthFigure,
                               Caption::kTongueFigure, Caption::kHeightFigure};

// NAME=TEXT, or core=NAME when `field` is empty.
struct Assignment {
  std::optional<Field> field;
  std::string text;
};

// The winding sheet's choices given on the command line. Each replaces the
// design file's own; --secondary, given at least once, replaces the file's
// whole list of extra secondaries.
struct ChoiceOptions {
  std::optional<int> enamel_grade;
  std::optional<std::string> steel;
  bool center_tap = false;
  std::optional<std::vector<Secondary>> extra_secondaries;
};

bool Given(const ChoiceOptions& given) {
  return given.enamel_grade || given.steel || given.center_tap ||
         given.extra_secondaries;
}

// The choices with those given on the command line over them.
SheetChoices Overridden(SheetChoices choices, const ChoiceOptions& given) {
  if (given.enamel_grade) choices.enamel_grade = *given.enamel_grade;
  if (given.steel) choices.steel = *given.steel;
  if (given.center_tap) choices.secondaries.main().center_tap = true;
  if (given.extra_secondaries) {
    choices.secondaries.SetExtras(*given.extra_secondaries);
  }
  return choices;
}

struct Options {
  bool json = false;
  bool help = false;
  bool version = false;
  bool cores = false;
  bool wires = false;
  bool sheet = false;
  bool english = false;  // --lang en: the text output, never the JSON
  ChoiceOptions choices;
  std::optional<std::string> script;
  std::optional<std::string> design;  // start from this design file
  std::optional<std::string> save;    // write the resulting design here
  std::vector<std::string> core_files;
  std::vector<Assignment> assignments;
};

// The language of the text output: English for --lang en, else none
// (Chinese).
Translate OutputLanguage(const Options& options) {
  return options.english ? Translate(English) : Translate();
}

ToolOutput UsageError(const std::string& message) {
  return {2, "", "spulix-calc: " + message + "\n(see spulix-calc --help)\n"};
}

std::string LabelName(Caption caption) {
  return "Label" + std::to_string(static_cast<int>(caption));
}

// A text of the tool's own, in the output's language.
std::string Tr(const Translate& translate, const char* source) {
  return Translated(translate, "CalcTool", source);
}

UserText Say(const char* pattern, std::vector<UserText> args = {}) {
  return Marked("CalcTool", pattern, std::move(args));
}

std::string Table(const MemoryStore& store, const Translate& translate) {
  std::vector<std::vector<std::string>> rows;
  rows.push_back({Tr(translate, SPULIX_TEXT("CalcTool", "控件")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "符号")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "名称")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "文本")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "单位"))});
  for (Field field : ReadingOrder()) {
    const FieldInfo& info = InfoOf(field);
    rows.push_back(
        {info.control, info.symbol, Compose(FullCaptionText(info), translate),
         store.Text(field), Translated(translate, "Field", info.unit)});
  }
  std::string out = Aligned(rows);
  out += "\n";
  const auto label = [](Caption caption) {
    return Verbatim(LabelName(caption));
  };
  const auto figure = [&store](Caption caption) {
    return Verbatim(store.CaptionText(caption));
  };
  out += Compose(Say(SPULIX_TEXT("CalcTool", "状态栏 %1: %2"),
                     {label(Caption::kStatus),
                      MessageText(store.CaptionText(Caption::kStatus))}),
                 translate) +
         "\n";
  out +=
      Compose(
          Say(SPULIX_TEXT("CalcTool", "铁心图 c %1: %2   a %3: %4   h %5: %6"),
              {label(Caption::kWidthFigure), figure(Caption::kWidthFigure),
               label(Caption::kTongueFigure), figure(Caption::kTongueFigure),
               label(Caption::kHeightFigure), figure(Caption::kHeightFigure)}),
          translate) +
      "\n";
  return out;
}

nlohmann::ordered_json CoresJson(const CoreCatalogue& catalogue,
                                 const CoreSelection& selection,
                                 const SheetCoreSelection& builds) {
  nlohmann::ordered_json cores = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < catalogue.cores().size(); ++i) {
    const CoreEntry& core = catalogue.cores()[i];
    const CoreResult& result = selection.results[i];
    nlohmann::ordered_json entry;
    entry["name"] = core.name;
    entry["a"] = DimensionText(core.a_mm);
    entry["c"] = DimensionText(core.c_mm);
    entry["h"] = DimensionText(core.h_mm);
    if (result.verdict == CoreVerdict::kUnknown) {
      entry["H"] = nullptr;
    } else {
      entry["H"] = result.coil_thickness;
    }
    entry["fits"] = result.fits();
    entry["coil"] = JsonNumber(builds.results[i].coil_mm);
    entry["builds"] = builds.results[i].builds;
    cores.push_back(std::move(entry));
  }
  return cores;
}

std::string CoresText(const CoreCatalogue& catalogue,
                      const CoreSelection& selection,
                      const SheetCoreSelection& builds,
                      const Translate& translate) {
  std::string out = "\n";
  if (selection.usable()) {
    out += Tr(translate, SPULIX_TEXT("CalcTool", "铁心选型"));
  } else {
    const UserText problems =
        Joined(selection.problems, Say(SPULIX_TEXT("CalcTool", "；")));
    out += Compose(
        Say(SPULIX_TEXT("CalcTool", "铁心选型：无法判断（%1）"), {problems}),
        translate);
  }
  out += "\n";
  const auto verdict_text = [&translate](const char* verdict) {
    return Translated(translate, "CoreSelection", verdict);
  };
  const std::string smallest =
      Tr(translate, SPULIX_TEXT("CalcTool", " *最小可用"));
  std::vector<std::vector<std::string>> rows;
  rows.push_back({Tr(translate, SPULIX_TEXT("CalcTool", "型号")), "a", "c", "h",
                  "H", "c-H", Tr(translate, SPULIX_TEXT("CalcTool", "结论")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "实绕")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "实绕结论"))});
  for (std::size_t i = 0; i < catalogue.cores().size(); ++i) {
    const CoreEntry& core = catalogue.cores()[i];
    const CoreResult& result = selection.results[i];
    std::string verdict = verdict_text(CoreVerdictText(result.verdict));
    if (selection.smallest_fit == i) verdict += smallest;
    const SheetCoreResult& build = builds.results[i];
    std::string build_verdict =
        !build.coil_mm ? verdict_text(CoreVerdictText(CoreVerdict::kUnknown))
        : build.builds ? verdict_text(CoreVerdictText(CoreVerdict::kFits))
                       : verdict_text(CoreVerdictText(CoreVerdict::kTooThick));
    if (builds.smallest_buildable == i) build_verdict += smallest;
    rows.push_back(
        {core.name, DimensionText(core.a_mm), DimensionText(core.c_mm),
         DimensionText(core.h_mm),
         result.margin_mm ? result.coil_thickness : "—",
         result.margin_mm
             ? FormatPattern(*result.margin_mm, Pattern::kTwoDecimals)
             : "—",
         verdict,
         build.coil_mm ? FormatPattern(*build.coil_mm, Pattern::kTwoDecimals)
                       : "—",
         build_verdict});
  }
  out += Aligned(rows);
  if (selection.usable()) {
    const auto name = [&catalogue](std::optional<std::size_t> core) {
      return core ? Verbatim(catalogue.cores()[*core].name)
                  : Say(SPULIX_TEXT("CalcTool", "无"));
    };
    out += Compose(Say(SPULIX_TEXT("CalcTool", "最小可用铁心：%1"),
                       {name(selection.smallest_fit)}),
                   translate) +
           "\n";
    out += Compose(Say(SPULIX_TEXT("CalcTool", "实绕最小可用铁心：%1"),
                       {name(builds.smallest_buildable)}),
                   translate) +
           "\n";
  }
  return out;
}

constexpr Field kWireFields[] = {Field::kPrimaryWireDiameter,
                                 Field::kSecondaryWireDiameter};

nlohmann::ordered_json OptionalNumber(const std::optional<double>& value) {
  return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json();
}

nlohmann::ordered_json WiresJson(const MemoryStore& store) {
  nlohmann::ordered_json wires = nlohmann::ordered_json::object();
  for (Field field : kWireFields) {
    const std::string text = store.Text(field);
    nlohmann::ordered_json entry;  // null where the field holds no number
    try {
      ReadStrict(text);
      entry["d"] = text;
      entry["nominal_mm"] = nullptr;
      entry["grade1_max_mm"] = nullptr;
      entry["grade2_max_mm"] = nullptr;
      entry["grade1_bound_mm"] = nullptr;
      entry["grade2_bound_mm"] = nullptr;
      if (auto next = NextStandardWire(text)) {
        const StandardWire& wire = StandardWires()[*next];
        entry["nominal_mm"] = wire.nominal_mm;
        entry["grade1_max_mm"] = OptionalNumber(wire.grade1_max_mm);
        entry["grade2_max_mm"] = OptionalNumber(wire.grade2_max_mm);
        // Where the size has no value, the next known size's as a bound.
        for (int grade : {1, 2}) {
          const auto overall = OverallDiameterOf(*next, grade);
          if (overall && overall->is_bound) {
            entry[grade == 1 ? "grade1_bound_mm" : "grade2_bound_mm"] =
                overall->mm;
          }
        }
      }
    } catch (const FieldFailure&) {
      entry = nullptr;
    }
    wires[InfoOf(field).symbol] = std::move(entry);
  }
  return wires;
}

std::string WiresText(const MemoryStore& store, const Translate& translate) {
  std::vector<std::vector<std::string>> rows;
  rows.push_back({Tr(translate, SPULIX_TEXT("CalcTool", "符号")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "线径")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "标准线径")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "一级漆膜最大外径")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "二级漆膜最大外径")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "截面积"))});
  // "≤0.989" where the size has no value of its own.
  const auto overall = [&translate](std::size_t wire, int grade) {
    const auto value = OverallDiameterOf(wire, grade);
    if (!value) return Tr(translate, SPULIX_TEXT("CalcTool", "未知"));
    return (value->is_bound ? "≤" : "") + value->text;
  };
  for (Field field : kWireFields) {
    const std::string text = store.Text(field);
    std::vector<std::string> row = {InfoOf(field).symbol, text};
    if (auto next = NextStandardWire(text)) {
      const StandardWire& wire = StandardWires()[*next];
      row.insert(row.end(),
                 {wire.nominal_text, overall(*next, 1), overall(*next, 2),
                  FormatGeneral(std::round(wire.AreaMm2() * 1e4) / 1e4)});
    } else {
      row.push_back(Tr(translate, SPULIX_TEXT("CalcTool", "无")));
    }
    rows.push_back(std::move(row));
  }
  return "\n" +
         Tr(translate,
            SPULIX_TEXT("CalcTool", "标准漆包线（毫米，截面积为平方毫米）")) +
         "\n" + Aligned(rows);
}

std::string Render(const MemoryStore& store, const Options& options,
                   const CoreCatalogue& catalogue) {
  const FieldTexts& design = store.texts();
  const SheetChoices& choices = store.choices();
  std::optional<CoreSelection> selection;
  std::optional<SheetCoreSelection> builds;
  if (options.cores) {
    selection = SelectCore(design, catalogue.cores());
    builds = JudgeCoresBySheet(design, choices, catalogue.cores());
  }
  std::optional<SheetOutcome> sheet;
  std::optional<std::string> recommended;
  if (options.sheet) {
    sheet = ComputeWindingSheet(design, choices);
    const std::optional<std::size_t> core =
        builds ? builds->smallest_buildable
               : RecommendCore(design, choices, catalogue.cores());
    if (core) recommended = catalogue.cores()[*core].name;
  }
  const auto core_name = [&catalogue](std::optional<std::size_t> index) {
    return index ? nlohmann::ordered_json(catalogue.cores()[*index].name)
                 : nlohmann::ordered_json();
  };
  if (options.json) {
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
    if (selection) {
      document["cores"] = CoresJson(catalogue, *selection, *builds);
      document["smallest_fit"] = core_name(selection->smallest_fit);
      document["smallest_buildable"] = core_name(builds->smallest_buildable);
    }
    if (options.wires) document["wires"] = WiresJson(store);
    if (sheet) document["sheet"] = SheetJson(*sheet, recommended);
    return document.dump() + "\n";
  }
  const Translate translate = OutputLanguage(options);
  std::string out;
  for (const std::string& message : store.messages()) {
    out += Compose(
               Say(SPULIX_TEXT("CalcTool", "消息: %1"), {MessageText(message)}),
               translate) +
           "\n";
  }
  if (!store.messages().empty()) out += "\n";
  out += Table(store, translate);
  if (selection) out += CoresText(catalogue, *selection, *builds, translate);
  if (options.wires) out += WiresText(store, translate);
  if (sheet) out += SheetText(*sheet, recommended, translate);
  return out;
}

// One line of a script, done as the window would do it.
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
      PressDesignButton(store, store.choices(), action.button);
      break;
  }
}

// A text the sheet can take as a voltage or a current.
bool IsPositiveNumber(const std::string& text) {
  try {
    return ReadStrict(text) > 0;
  } catch (const FieldFailure&) {
    return false;
  }
}

// --secondary U,I[,ct], --grade 1|2 or --steel NAME into the choices; the
// reason when the value is bad.
std::optional<std::string> ParseChoice(const std::string& option,
                                       const std::string& value,
                                       ChoiceOptions& choices) {
  if (option == "--grade") {
    if (value != "1" && value != "2") return "--grade takes 1 or 2";
    choices.enamel_grade = value == "1" ? 1 : 2;
    return std::nullopt;
  }
  if (option == "--steel") {
    const std::optional<std::size_t> grade = FindSteelGrade(value);
    if (!grade) {
      return "unknown steel grade '" + value + "' (" +
             SteelGrades().front().name + " .. " + SteelGrades().back().name +
             ", e.g. " + kDefaultSteelGrade + ")";
    }
    choices.steel = SteelGrades()[*grade].name;
    return std::nullopt;
  }
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t comma; (comma = value.find(',', start)) != value.npos;
       start = comma + 1) {
    parts.push_back(value.substr(start, comma - start));
  }
  parts.push_back(value.substr(start));
  const bool ct = parts.size() == 3 && parts[2] == "ct";
  if ((parts.size() != 2 && !ct) || !IsPositiveNumber(parts[0]) ||
      !IsPositiveNumber(parts[1])) {
    return "--secondary takes U,I or U,I,ct with U and I numbers above 0, "
           "got '" +
           value + "'";
  }
  if (!choices.extra_secondaries) choices.extra_secondaries.emplace();
  choices.extra_secondaries->push_back({parts[0], parts[1], ct});
  return std::nullopt;
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
    } else if (arg == "--cores") {
      options.cores = true;
    } else if (arg == "--wires") {
      options.wires = true;
    } else if (arg == "--sheet") {
      options.sheet = true;
    } else if (arg == "--ct") {
      options.choices.center_tap = true;
    } else if (arg == "--secondary" || arg == "--grade" || arg == "--steel") {
      if (i + 1 >= args.size()) {
        return UsageError(arg + " needs a value (see --help)");
      }
      if (auto error = ParseChoice(arg, args[++i], options.choices)) {
        return UsageError(*error);
      }
    } else if (arg == "--lang") {
      if (i + 1 >= args.size()) return UsageError("--lang needs zh or en");
      const std::string& language = args[++i];
      if (language != "zh" && language != "en") {
        return UsageError("--lang takes zh or en, got '" + language + "'");
      }
      options.english = language == "en";
    } else if (arg == "--core-file") {
      if (i + 1 >= args.size()) return UsageError("--core-file needs a FILE");
      options.core_files.push_back(args[++i]);
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
      if (name == "core") {
        options.assignments.push_back({std::nullopt, arg.substr(equals + 1)});
        continue;
      }
      const std::optional<Field> field = FieldByToolName(name, false);
      if (!field) {
        return UsageError(
            "unknown name '" + name + "' in '" + arg +
            "' (use P2 U1 U2 h c a r1 f1 r2 f2 or Text1..Text29)");
      }
      options.assignments.push_back({*field, arg.substr(equals + 1)});
    }
  }
  if (Given(options.choices) && !options.sheet && !options.cores &&
      !options.save) {
    return UsageError(
        "--secondary, --ct, --grade and --steel need --sheet, --cores or "
        "--save");
  }
  if (options.script && !options.assignments.empty()) {
    return UsageError(
        "NAME=TEXT and core=NAME cannot be combined with --script");
  }
  return std::nullopt;
}

// A script or core list: a regular file or a pipe ("-" is standard input)
// of at most kMaxTextFileBytes. Returns why not in the usage error's words.
BoundedRead ReadInput(const std::string& path, std::istream& input) {
  if (path == "-") return ReadBoundedStream(input, kMaxTextFileBytes);
  return ReadBoundedFile(path, kMaxTextFileBytes, true);
}

std::string Why(const ReadFailure& failure) {
  switch (failure.kind) {
    case ReadFailure::Kind::kCannotOpen:
    case ReadFailure::Kind::kReadFailed:
      return std::strerror(failure.error_number);
    case ReadFailure::Kind::kNotAFile:
      return "not a regular file or pipe";
    case ReadFailure::Kind::kTooLarge:
      break;
  }
  return "larger than " + std::to_string(kMaxTextFileBytes) + " bytes";
}

// A design file that cannot be read or written: one line, exit status 2.
ToolOutput FileError(const DesignError& error, const std::string& path,
                     FileAction action) {
  return {2, "",
          "spulix-calc: " + EnglishErrorText(error, path, action) + "\n"};
}

// The shipped cores and those of --core-file; a bad row is reported on
// standard error and skipped. Returns a usage error for an unreadable file.
std::optional<ToolOutput> LoadCores(const Options& options, std::istream& input,
                                    CoreCatalogue& catalogue,
                                    std::string& warnings) {
  for (const std::string& path : options.core_files) {
    const BoundedRead content = ReadInput(path, input);
    if (const auto* failure = std::get_if<ReadFailure>(&content)) {
      return UsageError("cannot read core file '" + path +
                        "': " + Why(*failure));
    }
    for (const CatalogueIssue& issue :
         catalogue.AddUserCsv(std::get<std::string>(content))) {
      warnings += "spulix-calc: " + path + ": " +
                  DescribeIssue(issue, OutputLanguage(options)) + "\n";
    }
  }
  return std::nullopt;
}

}  // namespace

std::string CalcToolVersion() {
  return "spulix-calc " SPULIX_VERSION
         "\n"
         "Copyright (C) 2026 The Spulix developers\n"
         "License GPLv3+: GNU GPL version 3 or later "
         "<https://gnu.org/licenses/gpl.html>.\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n";
}

std::string CalcToolUsage() {
  return R"(Usage: spulix-calc [OPTION ...] [NAME=TEXT ...]
  or:  spulix-calc [OPTION ...] --script FILE   (FILE may be - for standard input)
  or:  spulix-calc --help | --version
OPTION is --json, --cores, --wires, --sheet, --lang zh|en, --core-file FILE,
--design FILE, --save FILE or a winding sheet choice (below); e.g.
spulix-calc [--json] --script FILE.

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

core=NAME fills h, c and a from the core catalogue, in argument order like
NAME=TEXT (spulix-calc --cores lists the names).

Options:
  --json            print one JSON object: messages, fields, labels
  --design FILE     start from a design saved by Spulix (.spulix) instead of
                    empty fields; its texts are taken as saved, and nothing
                    is calculated unless NAME=TEXT or a script follows; its
                    winding sheet choices too, unless given below
  --save FILE       write the resulting design to FILE (.spulix), replacing
                    it atomically; a link is written through, a read-only
                    file is refused and left as it is; the winding sheet
                    choices are saved with it
  --cores           also judge every core of the catalogue for this design
                    (H, c - H, whether the coil fits) and name the smallest
                    that fits, then the same by the winding sheet (实绕)
  --wires           also give the next standard enamelled wire for d1, d2
  --sheet           also give the winding sheet: standard enamelled wire in
                    whole layers, wire to buy, losses, efficiency, voltages
                    on load, temperature rise, primary fuse, and the
                    smallest core whose coil fits by the sheet
  --lang zh|en      the language of the printed tables, messages and core
                    file warnings: zh (Chinese, the default whatever the
                    locale) or en (English); the JSON output and these
                    usage and error lines are the same in both
  --core-file FILE  add the cores of a CSV file (name,tongue_a_mm,
                    window_width_c_mm,window_height_h_mm) to the catalogue
  --help            show this text
  --version         show the version and licence

Winding sheet choices (for --sheet, --cores and --save; each replaces the
choice of the --design file, which otherwise stays):
  --secondary U,I[,ct]  add a secondary of U volts and I amperes, ",ct" for a
                    centre tap; repeat for more (次级2, 次级3, ...); given
                    once or more, these replace the file's extra secondaries
  --ct              centre-tap the main secondary (次级1); a file's centre
                    tap stays without it
  --grade 1|2       enamel grade of the wire (default 2, the thicker film)
  --steel NAME      electrical steel grade, e.g. 50W470 (default 50W800)

Scripts and core files are regular files or pipes of at most 1 MiB;
design files are regular files of at most 1 MiB.

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

  CoreCatalogue catalogue;
  std::string warnings;
  if (auto error = LoadCores(options, input, catalogue, warnings)) {
    return *error;
  }
  std::vector<std::size_t> chosen;  // catalogue index of each core=NAME
  for (const Assignment& assignment : options.assignments) {
    if (assignment.field) continue;
    const std::optional<std::size_t> index =
        catalogue.FindByName(assignment.text);
    if (!index) {
      return UsageError("unknown core '" + assignment.text +
                        "' (spulix-calc --cores lists them)");
    }
    chosen.push_back(*index);
  }

  // The design file's choices, then the command line's over them.
  MemoryStore store;
  if (options.design) {
    DesignParse parse = ReadDesignFile(*options.design);
    if (auto* error = std::get_if<DesignError>(&parse)) {
      return FileError(*error, *options.design, FileAction::kOpen);
    }
    store.Restore(std::get<Design>(parse));
  }
  store.choices() = Overridden(std::move(store.choices()), options.choices);
  if (options.script) {
    const BoundedRead content = ReadInput(*options.script, input);
    if (const auto* failure = std::get_if<ReadFailure>(&content)) {
      return UsageError("cannot read script '" + *options.script +
                        "': " + Why(*failure));
    }
    const ScriptParse parse = ParseScript(std::get<std::string>(content));
    if (parse.error) {
      return UsageError("script '" + *options.script + "' " + *parse.error);
    }
    for (const Action& action : parse.actions) {
      RunAction(store, action);
    }
  } else {
    std::optional<std::string> p2;
    auto next_core = chosen.begin();
    for (const auto& [field, text] : options.assignments) {
      if (!field) {
        FillCore(store, catalogue.cores()[*next_core++]);
      } else if (field == Field::kOutputPower) {
        p2 = text;
      } else {
        store.SetText(*field, text);
      }
    }
    // A design opened as it was saved stays as it was saved.
    const bool untouched = options.design && options.assignments.empty();
    if (!untouched && (!p2 || !store.SetText(Field::kOutputPower, *p2))) {
      CalculateDesign(store);
    }
  }
  if (options.save) {
    if (auto error = WriteDesignFile(*options.save, store.design())) {
      return FileError(*error, *options.save, FileAction::kSave);
    }
  }
  return {0, Render(store, options, catalogue), warnings};
}

}  // namespace spulix
