// SPDX-License-Identifier: GPL-3.0-or-later
// The winding sheet as JSON, for spulix-calc --json and the browser page.
#ifndef SPULIX_PRESENT_SHEET_JSON_H_
#define SPULIX_PRESENT_SHEET_JSON_H_

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "design/sheet/winding_sheet.h"

namespace spulix {

// The "sheet" object, Chinese whatever the language of the text;
// `recommended_core` is a core name or none.
nlohmann::ordered_json SheetJson(
    const SheetOutcome& outcome,
    const std::optional<std::string>& recommended_core);

}  // namespace spulix

#endif  // SPULIX_PRESENT_SHEET_JSON_H_
