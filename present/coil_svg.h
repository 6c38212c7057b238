// SPDX-License-Identifier: GPL-3.0-or-later
// The coil's cross-section as an SVG drawing to scale, for a person and a
// program alike. One user unit is one millimetre (width and height in mm);
// x runs from the tongue side of the window, y down from its top.
//
//   <rect data-part="window">         the window, (0, 0, c, h)
//   <rect data-part="bobbin">         the bobbin wall
//   <g data-winding="初级">            each winding, named as the sheet does
//     <rect data-part="layer" data-layer="1" data-turns="..">
//     <rect data-part="insulation">   between layers and over the last
//   <line data-part="coil">           the coil with its bulge, dashed
//   <rect data-part="margin">         coil to c where it fits, or
//   <rect data-part="excess">         c to the coil where it does not
//   <g data-part="scale">, <g data-part="legend">, <text> as text
#ifndef SPULIX_PRESENT_COIL_SVG_H_
#define SPULIX_PRESENT_COIL_SVG_H_

#include <string>

#include "design/sheet/coil_section.h"
#include "design/user_text.h"

namespace spulix {

// The drawing of `section`, its texts in the language of `translate`
// (Chinese without one); data-winding always holds the Chinese name.
std::string CoilSvg(const CoilSection& section,
                    const Translate& translate = {});

}  // namespace spulix

#endif  // SPULIX_PRESENT_COIL_SVG_H_
