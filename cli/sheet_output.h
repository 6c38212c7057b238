// SPDX-License-Identifier: GPL-3.0-or-later
// The winding sheet as spulix-calc prints it as text.
#ifndef SPULIX_CLI_SHEET_OUTPUT_H_
#define SPULIX_CLI_SHEET_OUTPUT_H_

#include <optional>
#include <string>

#include "design/sheet/winding_sheet.h"
#include "design/user_text.h"

namespace spulix {

// The sheet after the usual output, starting with an empty line, in the
// language of `translate` (Chinese without one).
std::string SheetText(const SheetOutcome& outcome,
                      const std::optional<std::string>& recommended_core,
                      const Translate& translate = {});

}  // namespace spulix

#endif  // SPULIX_CLI_SHEET_OUTPUT_H_
