// SPDX-License-Identifier: GPL-3.0-or-later
// The Spulix window icon: the circuit symbol of a transformer, two windings
// facing each other across the two lines of an iron core, on a light tile.
#ifndef SPULIX_RESOURCES_GENERATOR_APP_ICON_H_
#define SPULIX_RESOURCES_GENERATOR_APP_ICON_H_

#include "vector_icon.h"

namespace spulix {

// Drawn on a 32-unit canvas; render it at any size.
VectorIcon AppIcon();

}  // namespace spulix

#endif  // SPULIX_RESOURCES_GENERATOR_APP_ICON_H_
