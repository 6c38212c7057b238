// SPDX-License-Identifier: GPL-3.0-or-later
// Turns for the voltage asked at full load. The calculation winds each
// secondary 5 % over its voltage, which a small transformer's resistance
// can eat and more: with this choice each AC secondary instead gets the
// fewest turns whose full-load voltage on the sheet reaches its U.
#ifndef SPULIX_DESIGN_SHEET_FULL_LOAD_TURNS_H_
#define SPULIX_DESIGN_SHEET_FULL_LOAD_TURNS_H_

#include "design/design.h"
#include "design/sheet/winding_sheet.h"

namespace spulix {

// A full-load voltage more than this far under the asked one is flagged.
inline constexpr double kLowFullLoadShare = 0.01;

// The sheet with each AC secondary's turns found for its full-load
// voltage (a centre-tapped one in pairs), a note naming the turns that
// differ from the calculation's. A winding with a DC load keeps the turns
// its rectifier was solved with.
SheetOutcome SheetWithFullLoadTurns(const FieldTexts& design,
                                    const SheetChoices& choices);

// Adds a note for each AC secondary whose full-load voltage falls more
// than kLowFullLoadShare under its U, offering the choice above.
void NoteLowFullLoadVoltage(WindingSheet& sheet, const SheetChoices& choices);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_FULL_LOAD_TURNS_H_
