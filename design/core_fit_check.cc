// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/core_fit_check.h"

#include "design/transformer_design.h"

namespace spulix {
namespace {

// Both values are compared as thousandths; a value too large to scale is
// answered like missing data.
double Thousandfold(const FieldStore& store, Field field) {
  return Mul(1000, ReadField(store, field));
}

}  // namespace

const char* FitVerdict(const FieldStore& store) {
  if (IsEmptyField(store, Field::kWindowWidth) ||
      IsEmptyField(store, Field::kCoilThickness)) {
    return kFitIncomplete;
  }
  try {
    const double coil = Thousandfold(store, Field::kCoilThickness);
    const double window = Thousandfold(store, Field::kWindowWidth);
    if (coil < window) return kFitOk;
    if (coil > window) return kFitTooThick;
    return kFitExact;
  } catch (const FieldFailure&) {
    // Texts that are not numbers cannot be judged: ask for complete data.
    return kFitIncomplete;
  }
}

void Command5_Click(FieldStore& store) { store.ShowMessage(FitVerdict(store)); }

}  // namespace spulix
