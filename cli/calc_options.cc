// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calc_options.h"

#include <algorithm>

#include "cli/script_parser.h"
#include "design/parts/steel_grades.h"
#include "design/sheet/dc_winding.h"
#include "design/utf8.h"
#include "present/english_text.h"
#include "spulix/version.h"

namespace spulix {
namespace {

// A text the sheet can take as a voltage or a current.
bool IsPositiveNumber(const std::string& text) {
  try {
    return ReadStrict(text) > 0;
  } catch (const FieldFailure&) {
    return false;
  }
}

std::vector<std::string> SplitCommas(const std::string& value) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t comma; (comma = value.find(',', start)) != value.npos;
       start = comma + 1) {
    parts.push_back(value.substr(start, comma - start));
  }
  parts.push_back(value.substr(start));
  return parts;
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
  const std::vector<std::string> parts = SplitCommas(value);
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

// KIND,UDC,IDC[,C_UF] of --dc and --secondary-dc; the reason when bad.
std::optional<std::string> ParseDcLoad(const std::string& option,
                                       const std::vector<std::string>& parts,
                                       SecondaryLoad& load) {
  const std::string usage =
      option +
      " takes KIND,UDC,IDC[,C_UF] with KIND bridge, fullwave or "
      "split and numbers above 0";
  if (parts.size() != 3 && parts.size() != 4) return usage;
  const std::optional<LoadKind> kind = LoadKindFromKey(parts[0]);
  if (!kind || *kind == LoadKind::kAc) {
    return usage + ", got kind '" + parts[0] + "'";
  }
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (!IsPositiveNumber(parts[i])) {
      return usage + ", got '" + parts[i] + "'";
    }
  }
  load.kind = *kind;
  load.udc = parts[1];
  load.idc = parts[2];
  if (parts.size() == 4) load.c_uf = parts[3];
  return std::nullopt;
}

// --dc, --secondary-dc and --vf into the choices; the reason when bad.
std::optional<std::string> ParseDcOption(const std::string& option,
                                         const std::string& value,
                                         ChoiceOptions& choices) {
  if (option == "--vf") {
    bool not_negative = false;
    try {
      not_negative = ReadStrict(value) >= 0;
    } catch (const FieldFailure&) {
    }
    if (!not_negative) {
      return "--vf takes one diode's drop in volts, a number of 0 or more, "
             "got '" +
             value + "'";
    }
    choices.diode_drop_v = value;
    return std::nullopt;
  }
  SecondaryLoad load;
  if (auto error = ParseDcLoad(option, SplitCommas(value), load)) {
    return error;
  }
  if (option == "--dc") {
    choices.main_load = load;
  } else {
    if (!choices.extra_secondaries) choices.extra_secondaries.emplace();
    Secondary extra;
    extra.load = load;
    choices.extra_secondaries->push_back(std::move(extra));
  }
  return std::nullopt;
}

// The --vf drop on every DC load the command line gives.
void PutDiodeDrop(const ChoiceOptions& given, SheetChoices& choices) {
  if (!given.diode_drop_v) return;
  if (given.main_load) choices.secondaries.main().load.vf = *given.diode_drop_v;
  if (!given.extra_secondaries) return;
  for (Secondary& extra : choices.secondaries.extras()) {
    if (extra.load.kind != LoadKind::kAc) extra.load.vf = *given.diode_drop_v;
  }
}

}  // namespace

bool AnyChoiceGiven(const ChoiceOptions& given) {
  return given.enamel_grade || given.steel || given.center_tap ||
         given.stack_mm || given.full_load_turns || given.extra_secondaries;
}

SheetChoices WithChoicesOver(SheetChoices choices, const ChoiceOptions& given) {
  if (given.enamel_grade) choices.enamel_grade = *given.enamel_grade;
  if (given.steel) choices.steel = *given.steel;
  if (given.center_tap) choices.secondaries.main().center_tap = true;
  if (given.stack_mm) choices.stack_mm = *given.stack_mm;
  if (given.full_load_turns) choices.full_load_turns = true;
  if (given.extra_secondaries) {
    choices.secondaries.SetExtras(*given.extra_secondaries);
  }
  if (given.main_load) choices.secondaries.main().load = *given.main_load;
  PutDiodeDrop(given, choices);
  return choices;
}

Translate OutputLanguage(const Options& options) {
  return options.english ? Translate(English) : Translate();
}

ToolOutput UsageError(const std::string& message) {
  return {2, "", "spulix-calc: " + message + "\n(see spulix-calc --help)\n"};
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
    } else if (arg == "--full-load-turns") {
      options.choices.full_load_turns = true;
    } else if (arg == "--stack" || arg == "--rate") {
      if (i + 1 >= args.size()) return UsageError(arg + " needs MM");
      const std::string& mm = args[++i];
      if (!IsPositiveNumber(mm)) {
        return UsageError(
            arg + " takes a stack in mm, a number above 0, got '" + mm + "'");
      }
      if (arg == "--stack") {
        options.choices.stack_mm = mm;
      } else {
        options.rate_stack_mm = mm;
        options.sheet = true;
      }
    } else if (arg == "--secondary" || arg == "--grade" || arg == "--steel") {
      if (i + 1 >= args.size()) {
        return UsageError(arg + " needs a value (see --help)");
      }
      if (auto error = ParseChoice(arg, args[++i], options.choices)) {
        return UsageError(*error);
      }
    } else if (arg == "--dc" || arg == "--secondary-dc" || arg == "--vf") {
      if (i + 1 >= args.size()) {
        return UsageError(arg + " needs a value (see --help)");
      }
      if (auto error = ParseDcOption(arg, args[++i], options.choices)) {
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
    } else if (arg == "--drawing") {
      if (options.drawing) return UsageError("--drawing given twice");
      if (i + 1 >= args.size()) return UsageError("--drawing needs a FILE");
      options.drawing = args[++i];
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
  if (AnyChoiceGiven(options.choices) && !options.sheet && !options.cores &&
      !options.save) {
    return UsageError(
        "--secondary, --ct, --stack, --grade and --steel need --sheet, "
        "--cores or --save");
  }
  if (options.drawing && !options.sheet) {
    return UsageError("--drawing needs --sheet");
  }
  const bool any_dc_load =
      options.choices.main_load ||
      (options.choices.extra_secondaries &&
       std::ranges::any_of(*options.choices.extra_secondaries,
                           [](const Secondary& extra) {
                             return extra.load.kind != LoadKind::kAc;
                           }));
  if (options.choices.diode_drop_v && !any_dc_load) {
    return UsageError("--vf needs --dc or --secondary-dc");
  }
  if (options.script && !options.assignments.empty()) {
    return UsageError(
        "NAME=TEXT and core=NAME cannot be combined with --script");
  }
  return std::nullopt;
}

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
                    smallest core whose coil fits by the sheet; with
                    --json also its load curve (every secondary from no
                    load to 125 % of its current in steps of 0.05:
                    efficiency, temperature rise, secondary voltages)
  --drawing FILE    with --sheet, write the coil's cross-section to scale
                    as SVG (1 unit = 1 mm), replacing FILE atomically like
                    --save, its texts in the --lang language; without a
                    winding sheet nothing is written and the exit status
                    is 2
  --lang zh|en      the language of the printed tables, messages and core
                    file warnings: zh (Chinese, the default whatever the
                    locale) or en (English); the JSON output and these
                    usage and error lines are the same in both
  --rate MM         the core in hand: the largest whole P2 the design's
                    core (h, c, a or core=NAME) gives on a stack of MM mm
                    by the winding sheet, with the design's U1, U2,
                    insulation and sheet choices; the design is then
                    calculated at that P2, with its sheet, and --save
                    saves it so
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
  --stack MM        the stack as built (实际迭厚) of the design's core, in
                    mm: the sheet winds its turns on that stack; a file's
                    stack stays without it
  --full-load-turns  each AC secondary gets the fewest turns whose
                    full-load voltage on the sheet reaches its U, instead
                    of the calculation's 5 % more (按满载电压定匝数); a
                    file's choice stays without it
  --dc KIND,UDC,IDC[,C_UF]  a DC load on the main secondary (次级1): a
                    rectifier (KIND bridge, fullwave or split, the last
                    two centre-tapping the winding) and a reservoir of
                    C_UF µF (default: the E6 value for about 10 % ripple)
                    giving UDC volts at IDC amperes (each rail for split);
                    U2 and P2 are found with the winding's own resistance
                    in the loop, on the design's core or else the
                    recommended one, and set as if typed (a load that
                    cannot be solved is said on standard error and leaves
                    the fields as they are)
  --secondary-dc KIND,UDC,IDC[,C_UF]  an extra secondary with a DC load,
                    in order with --secondary; its U and I are found
  --vf V            one diode's forward drop for the DC loads given here
                    (default 0.8 V)
  --grade 1|2       enamel grade of the wire (default 2, the thicker film)
  --steel NAME      electrical steel grade, e.g. 50W470 (default 50W800)

Scripts and core files are regular files or pipes of at most 1 MiB;
design files are regular files of at most 1 MiB.

Exit status:
  0 when the run completed, 2 on a usage error, a design file that cannot
  be read or written, or a drawing that cannot be written.
)";
}

}  // namespace spulix
