// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calc_tool.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "cli/calc_options.h"
#include "cli/calc_output.h"
#include "cli/script_parser.h"
#include "design/design_calculation.h"
#include "design/design_commands.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/parts/core_catalogue.h"
#include "design/parts/core_selection.h"
#include "design/sheet/coil_section.h"
#include "design/sheet/core_rating.h"
#include "design/sheet/main_dc_load.h"
#include "design/sheet/winding_sheet.h"
#include "design/utf8.h"
#include "document/bounded_file.h"
#include "document/design_error_text.h"
#include "document/design_file.h"
#include "present/coil_svg.h"
#include "present/english_text.h"

namespace spulix {
namespace {

// The core in the design's h, c and a, or none where one is not a number
// above 0.
std::optional<CoreEntry> DesignCore(const FieldTexts& texts) {
  CoreEntry core;
  core.name = "h c a";
  for (auto [field, mm] : {std::pair{Field::kWindowHeight, &core.h_mm},
                           std::pair{Field::kWindowWidth, &core.c_mm},
                           std::pair{Field::kTongueWidth, &core.a_mm}}) {
    const std::optional<double> value = ReadStrictOrNone(texts[field]);
    if (!value || !(*value > 0)) return std::nullopt;
    *mm = *value;
  }
  return core;
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

// A script or core list: a regular file or a pipe ("-" is standard input)
// of at most kMaxTextFileBytes. Returns why not in the usage error's words.
BoundedRead ReadInput(const std::string& path, std::istream& input) {
  if (path == "-") return ReadBoundedStream(input, kMaxTextFileBytes);
  return ReadBoundedFile(path, kMaxTextFileBytes, true);
}

std::string ReadFailureText(const ReadFailure& failure) {
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
                        "': " + ReadFailureText(*failure));
    }
    for (const CatalogueIssue& issue :
         catalogue.AddUserCsv(std::get<std::string>(content))) {
      warnings += "spulix-calc: " + path + ": " +
                  DescribeIssue(issue, OutputLanguage(options)) + "\n";
    }
  }
  return std::nullopt;
}

// The coil's cross-section of the design's winding sheet, written as
// --save writes a design.
std::optional<ToolOutput> WriteDrawing(const MemoryStore& store,
                                       const std::string& path,
                                       const Options& options) {
  const SheetOutcome sheet =
      ComputeWindingSheet(store.texts(), store.choices());
  if (const auto* reason = std::get_if<UserText>(&sheet)) {
    return ToolOutput{2, "",
                      "spulix-calc: no drawing written to '" + path +
                          "': no winding sheet (" + Compose(*reason, English) +
                          ")\n"};
  }
  const std::string svg = CoilSvg(CoilSectionOf(std::get<WindingSheet>(sheet)),
                                  OutputLanguage(options));
  if (auto error = SaveDesignText(path, svg)) {
    return ToolOutput{2, "",
                      "spulix-calc: cannot write drawing '" + path + "': " +
                          Compose(ProblemSentence(*error), English) + "\n"};
  }
  return std::nullopt;
}

}  // namespace

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
  store.choices() =
      WithChoicesOver(std::move(store.choices()), options.choices);
  std::optional<std::string> p2;
  bool calculate = false;  // as P2 or 刷新 would, once the fields are typed
  if (options.script) {
    const BoundedRead content = ReadInput(*options.script, input);
    if (const auto* failure = std::get_if<ReadFailure>(&content)) {
      return UsageError("cannot read script '" + *options.script +
                        "': " + ReadFailureText(*failure));
    }
    const ScriptParse parse = ParseScript(std::get<std::string>(content));
    if (parse.error) {
      return UsageError("script '" + *options.script + "' " + *parse.error);
    }
    for (const Action& action : parse.actions) {
      RunAction(store, action);
    }
  } else {
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
    calculate = !untouched;
  }
  if (options.choices.main_load) {
    // U2 and P2 found are typed as the user would, and their reactions
    // calculate; a load that cannot be solved leaves the fields as given.
    const MainDcOutcome solved =
        SolveMainDcLoad(store.texts(), store.choices(), catalogue.cores());
    if (const auto* found = std::get_if<MainDcSolution>(&solved)) {
      store.SetText(Field::kOutputVoltage, found->u2_text);
      p2 = found->p2_text;
      calculate = true;
    } else {
      warnings += "spulix-calc: --dc: " +
                  Compose(std::get<UserText>(solved), OutputLanguage(options)) +
                  "\n";
    }
  }
  if (calculate && (!p2 || !store.SetText(Field::kOutputPower, *p2))) {
    CalculateDesign(store);
  }
  std::optional<CoreRating> rating;
  if (options.rate_stack_mm) {
    const std::optional<CoreEntry> core = DesignCore(store.texts());
    if (!core) {
      return UsageError(
          "--rate needs the design's core: give h, c and a (numbers above 0) "
          "or core=NAME");
    }
    store.choices().stack_mm = *options.rate_stack_mm;
    rating = RateCore(store.texts(), store.choices(), *core);
    if (rating->p2_w) {
      store.SetText(Field::kOutputPower, std::to_string(*rating->p2_w));
    }
  }
  if (options.save) {
    if (auto error = WriteDesignFile(*options.save, store.design())) {
      return FileError(*error, *options.save, FileAction::kSave);
    }
  }
  if (options.drawing) {
    if (auto error = WriteDrawing(store, *options.drawing, options)) {
      return *error;
    }
  }
  return {0, RenderOutput(store, options, catalogue, rating), warnings};
}

}  // namespace spulix
