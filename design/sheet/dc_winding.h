// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet's side of a DC load: a winding that feeds a rectifier is wound
// for the voltage and RMS current the rectifier really asks of it. An extra
// secondary's are found here by winding it in the loop; 次级1's come from
// U2 and P2 of the fields (see main_dc_load.h for finding those), and the
// sheet shows what the rectifier gives on the winding as wound.
#ifndef SPULIX_DESIGN_SHEET_DC_WINDING_H_
#define SPULIX_DESIGN_SHEET_DC_WINDING_H_

#include <cstddef>
#include <optional>
#include <string_view>
#include <variant>

#include "design/design.h"
#include "design/rectifier/dc_load.h"
#include "design/rectifier/dc_load_solver.h"
#include "design/sheet/dc_figures.h"
#include "design/sheet/winding_sheet.h"
#include "design/user_text.h"

namespace spulix {

// The rectifier of a load kind; none for kAc.
std::optional<RectifierKind> RectifierOf(LoadKind kind);

bool HasDcLoad(const SheetChoices& choices);

// The kind's name in files and on the command line: "ac", "bridge",
// "fullwave", "split"; and back (none for another name).
const char* LoadKindKey(LoadKind kind);
std::optional<LoadKind> LoadKindFromKey(std::string_view key);

// A DC load's texts read as the sheet reads a typed number: Udc and Idc
// above 0, C above 0 (empty: the E6 rule's), Vf at least 0 (empty: 0.8).
// `winding` names the winding in the reason. Not for kAc.
using DcLoadRead = std::variant<DcWindingFigures, UserText>;
DcLoadRead ReadDcLoad(const SecondaryLoad& load, const UserText& winding);

// The source the rectifier sees in the sheet's winding at `index` (1 for
// 次级1): its no-load EMF, its and the primary's hot resistance and turns.
WindingSource SourceOf(const WindingSheet& sheet, std::size_t index);

// The sheet as the design's texts and the choices give it, without DC loads.
using SheetAsTyped = SheetOutcome (*)(const FieldTexts& design,
                                      const SheetChoices& choices);

// The choices the sheet winds: each DC winding centre-tapped where its
// rectifier needs it, and each extra secondary with a DC load given the
// voltage and current found for it, in winding order (the later ones at
// their first guess while an earlier one is found), at most kMaxDcRounds
// sheets each. Or the one line why not.
using DcChoices = std::variant<SheetChoices, UserText>;
DcChoices ChoicesForDcLoads(const FieldTexts& design,
                            const SheetChoices& choices, SheetAsTyped sheet);

// The sheet of `choices` with DC loads: wound with ChoicesForDcLoads, then
// each DC winding's rectifier simulated on the winding as wound.
SheetOutcome SheetWithDcLoads(const FieldTexts& design,
                              const SheetChoices& choices, SheetAsTyped sheet);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_DC_WINDING_H_
