// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the main window's results are older than its inputs. The window
// recalculates only when P2, h, c or a change, so after U2 changes the
// turns it shows are those of the old U2; the sheet must not wind them as
// if they were current.
#ifndef SPULIX_DESIGN_SHEET_STALE_RESULTS_H_
#define SPULIX_DESIGN_SHEET_STALE_RESULTS_H_

#include "design/field_texts.h"

namespace spulix {

// The design calculated afresh on a copy (as 刷新 would) differs from the
// fields. Wire diameters the user typed stay as typed, with the build-up
// they give. A design the calculation cannot run cleanly is not called
// stale: the sheet names what is missing instead.
bool ResultsAreStale(const FieldTexts& design);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_STALE_RESULTS_H_
