// SPDX-License-Identifier: GPL-3.0-or-later
// The extra secondaries' voltages and currents as the sheet reads them,
// and the design recalculated for the total output power they add.
#ifndef SPULIX_DESIGN_SHEET_EXTRA_SECONDARIES_H_
#define SPULIX_DESIGN_SHEET_EXTRA_SECONDARIES_H_

#include <cstddef>
#include <vector>

#include "design/design.h"
#include "design/field_texts.h"
#include "design/user_text.h"

namespace spulix::sheet {

struct ExtraValues {
  double voltage_v = 0;
  double current_a = 0;
};

// The extra secondary at `index` (0 for 次级2): its U and I, or a stop
// naming the winding.
ExtraValues ReadExtra(const Secondary& extra, std::size_t index);
// Each extra secondary's U and I; stops naming the winding where one is no
// number above 0.
std::vector<ExtraValues> ReadExtras(const SheetChoices& choices);

// The design itself, or with extra secondaries a copy calculated for the
// total output power exactly as the main window would calculate it.
FieldTexts Electrical(const FieldTexts& design,
                      const std::vector<ExtraValues>& extras);

}  // namespace spulix::sheet

namespace spulix {

// The choices without the extra secondaries the sheet cannot read (a
// voltage, current or DC load that is no number above 0), and the reason
// for each one left out: what can still be worked out from the others.
struct ReadableChoices {
  SheetChoices choices;
  std::vector<UserText> left_out;
};
ReadableChoices WithoutUnreadableExtras(const SheetChoices& choices);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_EXTRA_SECONDARIES_H_
