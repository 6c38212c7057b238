// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/standard_parts.h"

#include "design/parts/wire_table.h"

namespace spulix {

std::optional<StandardParts> ChosenStandardParts(
    const FieldStore& store, const std::vector<CoreEntry>& cores) {
  StandardParts parts;
  if (auto core = MatchCore(cores, store)) {
    const CoreEntry& entry = cores[*core];
    parts.core =
        StandardParts::Core{entry.name, entry.a_mm, entry.c_mm, entry.h_mm};
  }
  auto wire = [&store](Field field) -> std::optional<StandardParts::Wire> {
    const auto match = MatchStandardWire(store.Text(field));
    if (!match) return std::nullopt;
    const StandardWire& w = StandardWires()[*match];
    return StandardParts::Wire{w.nominal_mm, w.grade1_max_mm, w.grade2_max_mm};
  };
  parts.d1 = wire(Field::kPrimaryWireDiameter);
  parts.d2 = wire(Field::kSecondaryWireDiameter);
  if (!parts.core && !parts.d1 && !parts.d2) return std::nullopt;
  return parts;
}

}  // namespace spulix
