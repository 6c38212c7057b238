// SPDX-License-Identifier: GPL-3.0-or-later
// One window of the core cut through, as the winding sheet winds it: plain
// rectangles in millimetres, x from the tongue side of the window, y from
// its top downward. Every picture of the coil (the SVG export, the window's
// drawing, the report) is drawn from these, so they show the same build.
#ifndef SPULIX_DESIGN_SHEET_COIL_SECTION_H_
#define SPULIX_DESIGN_SHEET_COIL_SECTION_H_

#include <cstddef>
#include <string>
#include <vector>

#include "design/sheet/winding_sheet.h"

namespace spulix {

struct SectionRect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;

  double right() const { return x + width; }
  double bottom() const { return y + height; }
};

// One layer of wire: its turns side by side, each strand its enamelled
// diameter high.
struct SectionLayer {
  SectionRect rect;
  int turns = 0;
};

// The insulation between two layers of a winding, or over its last one.
struct SectionInsulation {
  SectionRect rect;
  bool outer = false;
};

struct SectionWinding {
  std::size_t index = 0;  // in the sheet, primary 0
  std::string name;       // as the sheet names it
  double x = 0;           // where the winding starts
  double thickness_mm = 0;
  std::vector<SectionLayer> layers;  // from the tongue outward
  // In winding order: after each layer but the last, then over the last.
  // Insulation the design leaves at 0 mm has no rectangle.
  std::vector<SectionInsulation> insulation;
};

struct CoilSection {
  SectionRect window;  // (0, 0, c, h)
  SectionRect bobbin;  // the wall of the tube around the tongue
  std::vector<SectionWinding> windings;
  double top_mm = 0;    // where the layers start: (h - h') / 2
  double build_mm = 0;  // the right edge of the last winding
  double coil_mm = 0;   // the build with the bulge allowance
  bool fits = false;
  // Between the coil and c when it fits (the margin), or between c and the
  // coil when it does not (the excess).
  SectionRect margin;
};

// The cross-section of `sheet`'s coil.
CoilSection CoilSectionOf(const WindingSheet& sheet);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_COIL_SECTION_H_
