// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/coil_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "design/transformer_design.h"
#include "present/sheet_text.h"

namespace spulix {
namespace {

constexpr TextContext kCoilDrawingTexts{"CoilDrawing"};

// Grey values (Rec. 601) about 75, 105, 145, 175 and 205: five steps a
// printer keeps apart.
constexpr std::array<DrawingColour, 5> kWindingColours = {{
    {123, 58, 20},    // dark copper
    {47, 116, 192},   // blue
    {200, 137, 42},   // ochre
    {127, 208, 127},  // light green
    {240, 208, 96},   // pale yellow
}};

UserText Millimetres(double value, int decimals) {
  return Verbatim(FixedText(value, decimals));
}

}  // namespace

std::string DrawingColour::Hex() const {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", red, green, blue);
  return text;
}

DrawingColour WindingColour(std::size_t index) {
  return kWindingColours[index % kWindingColours.size()];
}

double ScaleBarMm(double extent_mm) {
  if (!(extent_mm > 0) || !std::isfinite(extent_mm)) return 1;
  const double wanted = extent_mm / 4;
  const double decade = std::pow(10, std::floor(std::log10(wanted)));
  for (double step : {5.0, 2.0, 1.0}) {
    if (step * decade <= wanted) return step * decade;
  }
  return decade;
}

CoilLabels CoilLabelsOf(const CoilSection& section,
                        const Translate& translate) {
  CoilLabels labels;
  for (const SectionWinding& w : section.windings) {
    labels.windings.push_back(Compose(
        kCoilDrawingTexts.Say(
            SPULIX_TEXT("CoilDrawing", "%1  %2 层  %3 毫米"),
            {WindingName(w.index), Verbatim(std::to_string(w.layers.size())),
             Millimetres(w.thickness_mm, 3)}),
        translate));
  }
  labels.window =
      Compose(kCoilDrawingTexts.Say(
                  SPULIX_TEXT("CoilDrawing", "窗口 c × h = %1 × %2 毫米"),
                  {Verbatim(FormatGeneral(section.window.width)),
                   Verbatim(FormatGeneral(section.window.height))}),
              translate);
  labels.coil = Compose(
      kCoilDrawingTexts.Say(
          SPULIX_TEXT("CoilDrawing", "线包 %1 毫米（含 1.1 倍鼓胀，虚线）"),
          {Millimetres(section.coil_mm, 3)}),
      translate);
  labels.margin = Compose(
      section.fits
          ? kCoilDrawingTexts.Say(SPULIX_TEXT("CoilDrawing", "余 %1 毫米"),
                                  {Millimetres(section.margin.width, 3)})
          : kCoilDrawingTexts.Say(SPULIX_TEXT("CoilDrawing", "超出 %1 毫米"),
                                  {Millimetres(section.margin.width, 3)}),
      translate);
  labels.bobbin = Compose(
      kCoilDrawingTexts.Say(SPULIX_TEXT("CoilDrawing", "骨架 %1 毫米"),
                            {Verbatim(FormatGeneral(section.bobbin.width))}),
      translate);
  // Named only where some insulation is drawn.
  if (std::ranges::any_of(section.windings, [](const SectionWinding& w) {
        return !w.insulation.empty();
      })) {
    labels.insulation = Compose(
        kCoilDrawingTexts.Say(SPULIX_TEXT("CoilDrawing", "绝缘")), translate);
  }
  labels.scale_mm = ScaleBarMm(std::max(section.window.width, section.coil_mm));
  labels.scale =
      Compose(kCoilDrawingTexts.Say(SPULIX_TEXT("CoilDrawing", "%1 毫米"),
                                    {Verbatim(FormatGeneral(labels.scale_mm))}),
              translate);
  return labels;
}

}  // namespace spulix
