// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/coil_section.h"

#include <algorithm>

#include "design/transformer_design.h"

namespace spulix {

CoilSection CoilSectionOf(const WindingSheet& sheet) {
  CoilSection section;
  section.window = {0, 0, sheet.c_mm, sheet.h_mm};
  // The tube runs the whole height of the window, its flanges left out.
  section.bobbin = {0, 0, constants::kBobbinWallMm, sheet.h_mm};
  section.top_mm = (sheet.h_mm - sheet.effective_height_mm) / 2;
  const double winding_height = sheet.effective_height_mm;

  double x = constants::kBobbinWallMm;
  section.windings.reserve(sheet.windings.size());
  for (std::size_t k = 0; k < sheet.windings.size(); ++k) {
    const SheetWinding& w = sheet.windings[k];
    SectionWinding drawn;
    drawn.index = k;
    drawn.name = w.name;
    drawn.x = x;
    drawn.thickness_mm = w.thickness_mm;
    const double turn_height = w.strands * w.overall_mm;
    const auto insulate = [&](double width, bool outer) {
      if (!(width > 0)) return;
      drawn.insulation.push_back(
          {{x, section.top_mm, width, winding_height}, outer});
      x += width;
    };
    for (int layer = 1; layer <= w.layers; ++layer) {
      const int turns =
          layer == w.layers ? w.last_layer_turns : w.turns_per_layer;
      drawn.layers.push_back(
          {{x, section.top_mm, w.overall_mm, turns * turn_height}, turns});
      x += w.overall_mm;
      if (layer < w.layers) insulate(w.interlayer_mm, false);
    }
    insulate(w.outer_mm, true);
    section.windings.push_back(std::move(drawn));
  }
  section.build_mm = x;
  section.coil_mm = sheet.coil_mm;
  section.fits = sheet.fits;
  const double inner = std::min(sheet.coil_mm, sheet.c_mm);
  const double outer = std::max(sheet.coil_mm, sheet.c_mm);
  section.margin = {inner, 0, outer - inner, sheet.h_mm};
  return section;
}

}  // namespace spulix
