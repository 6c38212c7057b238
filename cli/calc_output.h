// SPDX-License-Identifier: GPL-3.0-or-later
// What spulix-calc prints once its run is done: the messages and fields,
// then the cores, wires and winding sheet asked for, as readable tables in
// the chosen language or as one JSON object.
#ifndef SPULIX_CLI_CALC_OUTPUT_H_
#define SPULIX_CLI_CALC_OUTPUT_H_

#include <string>

#include "cli/calc_options.h"
#include "design/memory_store.h"
#include "design/parts/core_catalogue.h"
#include "design/sheet/core_rating.h"

namespace spulix {

// `rating` is --rate's answer, where it was asked for.
std::string RenderOutput(const MemoryStore& store, const Options& options,
                         const CoreCatalogue& catalogue,
                         const std::optional<CoreRating>& rating = {});

}  // namespace spulix

#endif  // SPULIX_CLI_CALC_OUTPUT_H_
