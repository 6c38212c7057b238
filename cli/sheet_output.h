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
// `stale`: the fields' results are older than their inputs;
// `design_winds`: some core gives the design a sheet (else there is nothing
// to recommend a core for yet).
std::string SheetText(const SheetOutcome& outcome,
                      const std::optional<std::string>& recommended_core,
                      const Translate& translate = {}, bool stale = false,
                      bool design_winds = true);

}  // namespace spulix

#endif  // SPULIX_CLI_SHEET_OUTPUT_H_
