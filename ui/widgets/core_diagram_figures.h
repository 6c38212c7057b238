// SPDX-License-Identifier: GPL-3.0-or-later
// The three figures written on the core diagram (c, a and h), where they
// stand on the picture and which field and caption they show. The window
// and the report draw them in the same places from this one table.
#ifndef SPULIX_UI_WIDGETS_CORE_DIAGRAM_FIGURES_H_
#define SPULIX_UI_WIDGETS_CORE_DIAGRAM_FIGURES_H_

#include <array>

#include "design/field_store.h"

namespace spulix {

struct DiagramFigure {
  const char* label;  // "Label66", ...
  Field field;
  Caption caption;
  int left_twips;  // from the picture's top-left corner
  int top_twips;
};

inline constexpr std::array<DiagramFigure, 3> kDiagramFigures = {{
    {"Label66", Field::kWindowWidth, Caption::kWidthFigure, 720, 120},
    {"Label67", Field::kTongueWidth, Caption::kTongueFigure, 1440, 1560},
    {"Label68", Field::kWindowHeight, Caption::kHeightFigure, 2400, 840},
}};

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_CORE_DIAGRAM_FIGURES_H_
