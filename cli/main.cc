// SPDX-License-Identifier: GPL-3.0-or-later
// spulix-calc: the Spulix transformer calculator without a window.
#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_tool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const spulix::ToolOutput output = spulix::RunCalcTool(args, std::cin);
  std::cout << output.out << std::flush;
  std::cerr << output.err << std::flush;
  return output.exit_code;
}
