// SPDX-License-Identifier: GPL-3.0-or-later
// The core fit check: does the coil thickness H fit the window width c?
#ifndef SPULIX_DESIGN_CORE_FIT_CHECK_H_
#define SPULIX_DESIGN_CORE_FIT_CHECK_H_

#include "design/field_store.h"
#include "design/user_text.h"

namespace spulix {

inline constexpr const char* kFitIncomplete =
    SPULIX_TEXT("DesignMessage", "请填全数据");
inline constexpr const char* kFitOk =
    SPULIX_TEXT("DesignMessage", "OK！这只窗口能容得下所有绕组，铁心能用");
inline constexpr const char* kFitTooThick =
    SPULIX_TEXT("DesignMessage", "不能用！");
inline constexpr const char* kFitExact = SPULIX_TEXT("DesignMessage", "请慎用");

// The verdict Command5_Click would show for the texts as they stand, without
// showing it.
const char* FitVerdict(const FieldStore& store);

// Shows exactly one verdict. Texts that do not read as numbers, or products
// beyond the double range, are answered like missing data. Never throws.
void Command5_Click(FieldStore& store);

}  // namespace spulix

#endif  // SPULIX_DESIGN_CORE_FIT_CHECK_H_
