// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/core_fit_check.h"

#include "design/transformer_design.h"

namespace spulix {
namespace {

// Compares in thousandths like the original check, reading both anew.
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
    {
      const double h = Thousandfold(store, Field::kCoilThickness);
      const double c = Thousandfold(store, Field::kWindowWidth);
      if (h < c) return kFitOk;
    }
    {
      const double h = Thousandfold(store, Field::kCoilThickness);
      const double c = Thousandfold(store, Field::kWindowWidth);
      if (h > c) return kFitTooThick;
    }
    return kFitExact;
  } catch (const FieldFailure&) {
    // Texts that are not numbers cannot be judged: ask for complete data.
    return kFitIncomplete;
  }
}

void Command5_Click(FieldStore& store) { store.ShowMessage(FitVerdict(store)); }

}  // namespace spulix
