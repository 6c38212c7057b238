// SPDX-License-Identifier: GPL-3.0-or-later
// spulix-calc: runs a design without a window (fields set, a script, a
// design file, cores put in) and prints every message and field text the
// program would show, with the cores, wires and winding sheet asked for.
#ifndef SPULIX_CLI_CALC_TOOL_H_
#define SPULIX_CLI_CALC_TOOL_H_

#include <istream>
#include <string>
#include <vector>

namespace spulix {

struct ToolOutput {
  int exit_code = 0;  // 0 done, 2 usage error
  std::string out;
  std::string err;
};

// `args` excludes the program name; `input` serves "--script -".
ToolOutput RunCalcTool(const std::vector<std::string>& args,
                       std::istream& input);

std::string CalcToolUsage();

// The --version text: name, version, copyright and licence.
std::string CalcToolVersion();

}  // namespace spulix

#endif  // SPULIX_CLI_CALC_TOOL_H_
