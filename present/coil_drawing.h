// SPDX-License-Identifier: GPL-3.0-or-later
// How the coil's cross-section looks and reads, the same in the SVG export,
// the 绕制单 window and the report: the colours of its parts and the texts
// written on it, in the language of the translation given.
#ifndef SPULIX_PRESENT_COIL_DRAWING_H_
#define SPULIX_PRESENT_COIL_DRAWING_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "design/sheet/coil_section.h"
#include "design/user_text.h"

namespace spulix {

struct DrawingColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  std::string Hex() const;  // "#7b3a14"
};

// The fill of the winding at `index` (primary 0). Neighbouring windings
// differ in lightness as well as hue, so they stay apart in grey print;
// beyond five the colours repeat.
DrawingColour WindingColour(std::size_t index);

inline constexpr DrawingColour kWindowFill{255, 255, 255};
inline constexpr DrawingColour kOutline{0, 0, 0};
inline constexpr DrawingColour kBobbinFill{170, 170, 170};
inline constexpr DrawingColour kInsulationFill{240, 220, 140};
inline constexpr DrawingColour kMarginColour{30, 150, 60};
inline constexpr DrawingColour kExcessColour{210, 30, 30};
inline constexpr DrawingColour kTextColour{0, 0, 0};

// The texts on the drawing.
struct CoilLabels {
  std::vector<std::string> windings;  // "初级  3 层  2.046 毫米"
  std::string window;                 // "窗口 c × h = 22 × 61.5 毫米"
  std::string coil;        // "线包 22.625 毫米（含 1.1 倍鼓胀）"
  std::string margin;      // "余 0.375 毫米" or "超出 0.625 毫米"
  std::string bobbin;      // "骨架 1.2 毫米"
  std::string insulation;  // "绝缘"; empty where none is drawn
  std::string scale;       // "10 毫米"
  double scale_mm = 0;     // the scale bar's length
};

CoilLabels CoilLabelsOf(const CoilSection& section,
                        const Translate& translate = {});

// A round length for a scale bar about a quarter of `extent_mm`: 1, 2 or 5
// times a power of ten.
double ScaleBarMm(double extent_mm);

}  // namespace spulix

#endif  // SPULIX_PRESENT_COIL_DRAWING_H_
