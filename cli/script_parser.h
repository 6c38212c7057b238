// SPDX-License-Identifier: GPL-3.0-or-later
// Parses the tool's action scripts: one action per line.
//   set NAME TEXT | type NAME TEXT | erase NAME N | dblclick NAME | click NAME
#ifndef SPULIX_CLI_SCRIPT_PARSER_H_
#define SPULIX_CLI_SCRIPT_PARSER_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/design_commands.h"
#include "design/field_store.h"

namespace spulix {

struct Action {
  enum class Kind { kSet, kType, kErase, kDoubleClick, kClick };
  Kind kind = Kind::kSet;
  Field field = Field::kOutputPower;
  std::string text;                              // set, type
  std::uint64_t count = 0;                       // erase
  DesignButton button = DesignButton::kRefresh;  // click
  int line = 0;
};

struct ScriptParse {
  std::vector<Action> actions;
  std::optional<std::string> error;  // "line N: ..." on a usage error
};

// Field names: the input symbols P2 U1 U2 h c a r1 f1 r2 f2, the control
// names Text1..Text29, and in scripts also d1 and d2.
std::optional<Field> FieldByToolName(std::string_view name, bool allow_d);

ScriptParse ParseScript(std::string_view content);

}  // namespace spulix

#endif  // SPULIX_CLI_SCRIPT_PARSER_H_
