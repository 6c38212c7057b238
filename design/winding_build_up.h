// SPDX-License-Identifier: GPL-3.0-or-later
// The winding build-up: how both windings fill the core window.
#ifndef SPULIX_DESIGN_WINDING_BUILD_UP_H_
#define SPULIX_DESIGN_WINDING_BUILD_UP_H_

#include "design/field_store.h"

namespace spulix {

// The last stage of CalculateDesign: computes h' and everything after it.
// Failures propagate (TypeMismatch, ArithmeticFault) to the caller's handler.
void CalculateBuildUp(FieldStore& store);

// After the user edits a wire diameter and double-clicks it: rewrites the
// build-up from n1' on, keeping h'. A TypeMismatch shows "请输入数字" and
// stops without touching P2; an ArithmeticFault stops silently. Never throws.
void RecalculateBuildUp(FieldStore& store);

}  // namespace spulix

#endif  // SPULIX_DESIGN_WINDING_BUILD_UP_H_
