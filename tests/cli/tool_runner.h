// SPDX-License-Identifier: GPL-3.0-or-later
// Runs spulix-calc in-process for the tool's tests.
#ifndef SPULIX_TESTS_CLI_TOOL_RUNNER_H_
#define SPULIX_TESTS_CLI_TOOL_RUNNER_H_

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_tool.h"

namespace spulix::testing_support {

// `input` is what the tool reads from standard input.
inline ToolOutput Invoke(const std::vector<std::string>& args,
                         const std::string& input = "") {
  std::istringstream stream(input);
  return RunCalcTool(args, stream);
}

// The tool with --json in front; expects a completed run.
inline nlohmann::json InvokeJson(std::vector<std::string> args,
                                 const std::string& input, ToolOutput* output) {
  args.insert(args.begin(), "--json");
  *output = Invoke(args, input);
  EXPECT_EQ(output->exit_code, 0) << output->err;
  return nlohmann::json::parse(output->out);
}

}  // namespace spulix::testing_support

#endif  // SPULIX_TESTS_CLI_TOOL_RUNNER_H_
