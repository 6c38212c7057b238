// SPDX-License-Identifier: GPL-3.0-or-later
// The winding sheet as spulix-calc prints it: a readable table or JSON.
#ifndef SPULIX_CLI_SHEET_OUTPUT_H_
#define SPULIX_CLI_SHEET_OUTPUT_H_

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "design/sheet/winding_sheet.h"
#include "design/user_text.h"

namespace spulix {

// A number as JSON: whole values as integers, others as the shortest text
// that reads back to the same double.
nlohmann::ordered_json JsonNumber(double value);
nlohmann::ordered_json JsonNumber(const std::optional<double>& value);

// The "sheet" object, Chinese whatever the language of the text;
// `recommended_core` is a core name or none.
nlohmann::ordered_json SheetJson(
    const SheetOutcome& outcome,
    const std::optional<std::string>& recommended_core);

// The sheet after the usual output, starting with an empty line, in the
// language of `translate` (Chinese without one).
std::string SheetText(const SheetOutcome& outcome,
                      const std::optional<std::string>& recommended_core,
                      const Translate& translate = {});

}  // namespace spulix

#endif  // SPULIX_CLI_SHEET_OUTPUT_H_
