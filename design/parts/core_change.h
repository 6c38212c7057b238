// SPDX-License-Identifier: GPL-3.0-or-later
// One change the user makes to their own cores, named by core rather than
// by row, so that it can be made on the list as another Spulix window has
// left it in the file meanwhile.
#ifndef SPULIX_DESIGN_PARTS_CORE_CHANGE_H_
#define SPULIX_DESIGN_PARTS_CORE_CHANGE_H_

#include <optional>
#include <string>

#include "design/parts/core_catalogue.h"

namespace spulix {

struct CoreChange {
  enum class Kind { kAdd, kModify, kRemove };
  Kind kind = Kind::kAdd;
  std::string name;  // the core modified or removed
  CoreInput input;   // the core added, or the modified core's new texts
};

// Makes the change on the catalogue's user cores; returns why it is refused,
// or nothing when it is made. Where the list no longer holds what the user
// saw, the change still has the effect the user asked for:
// - modifying a core that is gone adds it with the new texts;
// - removing a core that is gone leaves the list as it is;
// - adding a name that a user core has meanwhile is refused as in one
//   window (the other core may be a different one), unless that core has the
//   same dimensions: then it is the same core, and it is already there.
// The reason is in the language of `translate` (Chinese without one).
std::optional<std::string> ApplyCoreChange(CoreCatalogue& catalogue,
                                           const CoreChange& change,
                                           const Translate& translate = {});

}  // namespace spulix

#endif  // SPULIX_DESIGN_PARTS_CORE_CHANGE_H_
