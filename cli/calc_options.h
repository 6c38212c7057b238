// SPDX-License-Identifier: GPL-3.0-or-later
// spulix-calc's command line: what each option asks for, read and checked
// before anything runs, and the usage text that describes them.
#ifndef SPULIX_CLI_CALC_OPTIONS_H_
#define SPULIX_CLI_CALC_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

#include "cli/calc_tool.h"
#include "design/design.h"
#include "design/transformer_design.h"
#include "design/user_text.h"

namespace spulix {

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
  std::optional<std::string> stack_mm;  // --stack
  bool full_load_turns = false;
  // --dc: 次级1's DC load, whose U2 and P2 are then found and set.
  std::optional<SecondaryLoad> main_load;
  // --vf: the diode drop of every DC load given on the command line.
  std::optional<std::string> diode_drop_v;
};

bool AnyChoiceGiven(const ChoiceOptions& given);

// The choices with those given on the command line over them.
SheetChoices WithChoicesOver(SheetChoices choices, const ChoiceOptions& given);

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
  std::optional<std::string> design;   // start from this design file
  std::optional<std::string> save;     // write the resulting design here
  std::optional<std::string> drawing;  // write the coil's SVG here
  std::vector<std::string> core_files;
  std::vector<Assignment> assignments;
  // --rate MM: the largest P2 of the design's core on this stack, and the
  // design at that power.
  std::optional<std::string> rate_stack_mm;
};

// The language of the text output: English for --lang en, else none
// (Chinese).
Translate OutputLanguage(const Options& options);

// A usage error: one line on standard error, exit status 2.
ToolOutput UsageError(const std::string& message);

// Reads `args` into `options`; a usage error where an option is bad.
std::optional<ToolOutput> ParseOptions(const std::vector<std::string>& args,
                                       Options& options);

}  // namespace spulix

#endif  // SPULIX_CLI_CALC_OPTIONS_H_
