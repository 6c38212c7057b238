// SPDX-License-Identifier: GPL-3.0-or-later
// Which cores of the catalogue take the coil of the current design: each
// core is tried on a copy of the design exactly as the 使用 button would put
// it into the window, and judged by the rule of the core fit check.
#ifndef SPULIX_DESIGN_PARTS_CORE_SELECTION_H_
#define SPULIX_DESIGN_PARTS_CORE_SELECTION_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "design/field_store.h"
#include "design/field_texts.h"
#include "design/memory_store.h"
#include "design/parts/core_catalogue.h"
#include "design/user_text.h"

namespace spulix {

// Sets h, c and a to the core's dimensions, each through its change
// reaction, as typing them would.
void FillCore(FieldStore& store, const CoreEntry& core);
// FillCore, then the full calculation as the Refresh command runs it.
void UseCore(FieldStore& store, const CoreEntry& core);

// The cores' indices from the smallest to the largest: narrowest tongue a
// first, then the smallest window c x h, then catalogue order. The first
// fitting core in this order is the one the core window recommends.
std::vector<std::size_t> SmallestFitOrder(const std::vector<CoreEntry>& cores);

// Puts the design into `store` and the core into it as 使用 does, messages
// recorded by the store. Returns why the run gave no coil thickness H (a
// message was shown, P2 was emptied or the run stopped early), or nothing
// when the store now holds the design calculated for this core.
std::optional<UserText> TryCore(MemoryStore& store, const FieldTexts& design,
                                const CoreEntry& core);

enum class CoreVerdict {
  kFits,      // H < c
  kTooThick,  // H > c
  kExact,     // H = c: the check says "use with care", so it does not fit
  kUnknown,   // the calculation gave no coil thickness for this core
};

// "可用", "不可用", "慎用", or "—" where the core could not be judged: the
// words of the core window's and spulix-calc's tables, marked in the
// context CoreSelection.
const char* CoreVerdictText(CoreVerdict verdict);

struct CoreResult {
  CoreVerdict verdict = CoreVerdict::kUnknown;
  std::string coil_thickness;       // H as Text19 would show it
  std::optional<double> margin_mm;  // c - H
  bool fits() const { return verdict == CoreVerdict::kFits; }
};

struct CoreSelection {
  // Why no core can be judged; empty when the design is complete.
  std::vector<UserText> problems;
  std::vector<CoreResult> results;  // one per core, in catalogue order
  // The fitting core with the narrowest tongue, then the smallest window
  // (c x h), then the first in the catalogue.
  std::optional<std::size_t> smallest_fit;
  bool usable() const { return problems.empty(); }
};

// Evaluates every core for the design. The design texts are not changed.
CoreSelection SelectCore(const FieldTexts& design,
                         const std::vector<CoreEntry>& cores);

}  // namespace spulix

#endif  // SPULIX_DESIGN_PARTS_CORE_SELECTION_H_
