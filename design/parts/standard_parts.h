// SPDX-License-Identifier: GPL-3.0-or-later
// Which standard parts a design uses: the catalogue core whose a, c and h
// the fields hold, and the standard wires whose nominal diameters d1 and d2
// hold. The catalogue is passed in, so every reader of the answer (the
// report, the windows) judges by the same list of cores.
#ifndef SPULIX_DESIGN_PARTS_STANDARD_PARTS_H_
#define SPULIX_DESIGN_PARTS_STANDARD_PARTS_H_

#include <optional>
#include <string>
#include <vector>

#include "design/field_store.h"
#include "design/parts/core_catalogue.h"

namespace spulix {

// Standard parts matched to the design; every value may be unknown.
struct StandardParts {
  struct Core {
    std::string name;               // catalogue name, e.g. "EI-66"
    std::optional<double> a, c, h;  // millimetres
  };
  struct Wire {
    std::optional<double> nominal;  // bare copper diameter, millimetres
    std::optional<double> grade1;   // overall diameter, enamel grade 1
    std::optional<double> grade2;   // overall diameter, enamel grade 2
  };
  std::optional<Core> core;
  std::optional<Wire> d1;
  std::optional<Wire> d2;
};

// Nothing when neither the core nor a wire matches.
std::optional<StandardParts> ChosenStandardParts(
    const FieldStore& store, const std::vector<CoreEntry>& cores);

}  // namespace spulix

#endif  // SPULIX_DESIGN_PARTS_STANDARD_PARTS_H_
