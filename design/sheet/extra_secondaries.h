// SPDX-License-Identifier: GPL-3.0-or-later
// The extra secondaries' voltages and currents as the sheet reads them,
// and the design recalculated for the total output power they add.
#ifndef SPULIX_DESIGN_SHEET_EXTRA_SECONDARIES_H_
#define SPULIX_DESIGN_SHEET_EXTRA_SECONDARIES_H_

#include <vector>

#include "design/design.h"
#include "design/field_texts.h"

namespace spulix::sheet {

struct ExtraValues {
  double voltage_v = 0;
  double current_a = 0;
};

// Each extra secondary's U and I; stops naming the winding where one is no
// number above 0.
std::vector<ExtraValues> ReadExtras(const SheetChoices& choices);

// The design itself, or with extra secondaries a copy calculated for the
// total output power exactly as the main window would calculate it.
FieldTexts Electrical(const FieldTexts& design,
                      const std::vector<ExtraValues>& extras);

}  // namespace spulix::sheet

#endif  // SPULIX_DESIGN_SHEET_EXTRA_SECONDARIES_H_
