// SPDX-License-Identifier: GPL-3.0-or-later
// Any script for spulix-calc: a usage error with nothing on standard output,
// or a complete run with one JSON document; never a crash.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "cli/calc_tool.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  std::istringstream input(
      std::string(reinterpret_cast<const char*>(data), size));
  const spulix::ToolOutput output =
      spulix::RunCalcTool({"--json", "--script", "-"}, input);
  if (output.exit_code != 0 && output.exit_code != 2) std::abort();
  if (output.exit_code == 2 && !output.out.empty()) std::abort();
  // A completed run prints exactly one well-formed JSON document.
  if (output.exit_code == 0 && !nlohmann::json::accept(output.out)) {
    std::abort();
  }
  return 0;
}
