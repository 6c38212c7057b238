// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/coil_svg.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "present/coil_drawing.h"

namespace spulix {
namespace {

constexpr double kOutlineMm = 0.2;
constexpr double kWireOutlineMm = 0.04;
constexpr double kPadMm = 3;

// Millimetres to four decimals, trailing zeros dropped, never the locale's
// decimal comma.
std::string Mm(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, 4);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// About how wide a text runs in ems: Chinese characters one, others 0.6.
double EmsWide(std::string_view text) {
  double ems = 0;
  for (unsigned char c : text) {
    if (c < 0x80) {
      ems += 0.6;
    } else if (c >= 0xE0) {
      ems += 1;
    } else if (c >= 0xC0) {
      ems += 0.6;
    }
  }
  return ems;
}

class SvgWriter {
 public:
  void Rect(std::string_view attributes, const SectionRect& r,
            std::string_view style) {
    out_ += "<rect " + std::string(attributes) +
            (attributes.empty() ? "" : " ") + "x=\"" + Mm(r.x) + "\" y=\"" +
            Mm(r.y) + "\" width=\"" + Mm(r.width) + "\" height=\"" +
            Mm(r.height) + "\" " + std::string(style) + "/>\n";
  }
  void Line(std::string_view attributes, double x1, double y1, double x2,
            double y2, std::string_view style) {
    out_ += "<line " + std::string(attributes) +
            (attributes.empty() ? "" : " ") + "x1=\"" + Mm(x1) + "\" y1=\"" +
            Mm(y1) + "\" x2=\"" + Mm(x2) + "\" y2=\"" + Mm(y2) + "\" " +
            std::string(style) + "/>\n";
  }
  void Text(double x, double y, double size, std::string_view text,
            std::string_view extra = {}) {
    out_ += "<text x=\"" + Mm(x) + "\" y=\"" + Mm(y) + "\" font-size=\"" +
            Mm(size) + "\"" + (extra.empty() ? "" : " ") + std::string(extra) +
            ">" + Escaped(text) + "</text>\n";
  }
  void Raw(std::string_view text) { out_ += text; }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

std::string Fill(const DrawingColour& colour) {
  return "fill=\"" + colour.Hex() + "\"";
}

std::string Stroke(const DrawingColour& colour, double width) {
  return "stroke=\"" + colour.Hex() + "\" stroke-width=\"" + Mm(width) + "\"";
}

}  // namespace

std::string CoilSvg(const CoilSection& section, const Translate& translate) {
  const CoilLabels labels = CoilLabelsOf(section, translate);
  const double c = section.window.width;
  const double h = section.window.height;
  const double font = std::clamp(h / 24, 2.2, 4.5);
  const double row = font * 1.6;
  const double drawn_right = std::max(c, section.coil_mm);
  const double legend_x = drawn_right + 2 * kPadMm;

  // The legend: a swatch and a text per row.
  std::vector<std::string> texts = labels.windings;
  texts.push_back(labels.insulation);
  texts.push_back(labels.bobbin);
  texts.push_back(labels.coil);
  texts.push_back(labels.margin);
  double legend_width = 0;
  for (const std::string& text : texts) {
    legend_width = std::max(legend_width, EmsWide(text) * font);
  }
  legend_width += 1.5 * font;

  const double left = -kPadMm;
  const double top = -kPadMm - 1.5 * font;
  const double bottom =
      std::max(h + kPadMm + 2.5 * font, texts.size() * row + kPadMm);
  const double width = legend_x + legend_width + kPadMm - left;
  const double height = bottom - top;

  SvgWriter svg;
  svg.Raw(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      Mm(width) + "mm\" height=\"" + Mm(height) + "mm\" viewBox=\"" + Mm(left) +
      " " + Mm(top) + " " + Mm(width) + " " + Mm(height) +
      "\" font-family=\"sans-serif\">\n");
  svg.Raw("<title>" + Escaped(labels.window) + "</title>\n");
  svg.Rect("", {left, top, width, height}, "fill=\"#ffffff\"");
  svg.Text(0, -font * 0.6, font, labels.window);
  svg.Rect("data-part=\"window\"", section.window,
           Fill(kWindowFill) + " " + Stroke(kOutline, kOutlineMm));
  const DrawingColour& verdict = section.fits ? kMarginColour : kExcessColour;
  svg.Rect(section.fits ? "data-part=\"margin\"" : "data-part=\"excess\"",
           section.margin, Fill(verdict) + " fill-opacity=\"0.45\"");
  svg.Rect("data-part=\"bobbin\"", section.bobbin,
           Fill(kBobbinFill) + " " + Stroke(kOutline, kWireOutlineMm));
  for (const SectionWinding& w : section.windings) {
    svg.Raw("<g data-winding=\"" + Escaped(w.name) + "\" " +
            Stroke(kOutline, kWireOutlineMm) + ">\n");
    for (std::size_t i = 0; i < w.layers.size(); ++i) {
      svg.Rect("data-part=\"layer\" data-layer=\"" + std::to_string(i + 1) +
                   "\" data-turns=\"" + std::to_string(w.layers[i].turns) +
                   "\"",
               w.layers[i].rect, Fill(WindingColour(w.index)));
    }
    for (const SectionInsulation& gap : w.insulation) {
      svg.Rect(gap.outer ? "data-part=\"insulation\" data-outer=\"true\""
                         : "data-part=\"insulation\"",
               gap.rect, Fill(kInsulationFill));
    }
    svg.Raw("</g>\n");
  }
  svg.Line("data-part=\"coil\"", section.coil_mm, 0, section.coil_mm, h,
           Stroke(verdict, kOutlineMm * 1.5) + " stroke-dasharray=\"1 0.6\"");

  // The scale bar under the window, its text beside it.
  const double bar_y = h + kPadMm + font * 0.5;
  svg.Raw("<g data-part=\"scale\" " + Stroke(kTextColour, kOutlineMm) + ">\n");
  svg.Line("", 0, bar_y, labels.scale_mm, bar_y, "");
  svg.Line("", 0, bar_y - font / 3, 0, bar_y + font / 3, "");
  svg.Line("", labels.scale_mm, bar_y - font / 3, labels.scale_mm,
           bar_y + font / 3, "");
  svg.Text(labels.scale_mm + font / 2, bar_y + font / 3, font, labels.scale,
           "stroke=\"none\"");
  svg.Raw("</g>\n");

  svg.Raw("<g data-part=\"legend\">\n");
  double y = 0;
  const auto swatch = [&](const std::string& style) {
    svg.Rect("", {legend_x, y, font, font}, style);
  };
  for (std::size_t k = 0; k < section.windings.size(); ++k) {
    swatch(Fill(WindingColour(section.windings[k].index)) + " " +
           Stroke(kOutline, kWireOutlineMm));
    svg.Text(legend_x + 1.5 * font, y + font * 0.85, font, labels.windings[k]);
    y += row;
  }
  if (!labels.insulation.empty()) {
    swatch(Fill(kInsulationFill) + " " + Stroke(kOutline, kWireOutlineMm));
    svg.Text(legend_x + 1.5 * font, y + font * 0.85, font, labels.insulation);
    y += row;
  }
  swatch(Fill(kBobbinFill) + " " + Stroke(kOutline, kWireOutlineMm));
  svg.Text(legend_x + 1.5 * font, y + font * 0.85, font, labels.bobbin);
  y += row;
  svg.Line("", legend_x + font / 2, y, legend_x + font / 2, y + font,
           Stroke(verdict, kOutlineMm * 1.5) + " stroke-dasharray=\"1 0.6\"");
  svg.Text(legend_x + 1.5 * font, y + font * 0.85, font, labels.coil);
  y += row;
  swatch(Fill(verdict) + " fill-opacity=\"0.45\"");
  svg.Text(legend_x + 1.5 * font, y + font * 0.85, font, labels.margin,
           "fill=\"" + verdict.Hex() + "\"");
  svg.Raw("</g>\n</svg>\n");
  return svg.Take();
}

}  // namespace spulix
