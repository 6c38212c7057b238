// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/stale_results.h"

#include "design/design_calculation.h"
#include "design/memory_store.h"
#include "design/winding_build_up.h"

namespace spulix {

bool ResultsAreStale(const FieldTexts& design) {
  MemoryStore fresh;
  fresh.LoadTexts(design);
  CalculateDesign(fresh);
  if (!fresh.messages().empty()) return false;
  bool typed_wire = false;
  for (Field wire :
       {Field::kPrimaryWireDiameter, Field::kSecondaryWireDiameter}) {
    if (fresh.Text(wire) != design[wire]) {
      fresh.RestoreText(wire, design[wire]);
      typed_wire = true;
    }
  }
  if (typed_wire) RecalculateBuildUp(fresh);
  return fresh.texts() != design;
}

}  // namespace spulix
