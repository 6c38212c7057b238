// SPDX-License-Identifier: GPL-3.0-or-later
// The SVG read back as a program would read it: its rectangles must be the
// sheet's figures.
#include "present/coil_svg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "design/transformer_design.h"
#include "present/english_text.h"
#include "tests/design/sheet/sheet_designs.h"

namespace spulix {
namespace {

using testing_support::SheetDesign;
using testing_support::SheetDesignNames;

// Four decimals in the file: well inside a micrometre.
constexpr double kMm = 1e-3;

struct Element {
  std::string tag;      // rect, line, text
  std::string winding;  // data-winding of the enclosing group
  std::map<std::string, std::string> attributes;
  std::string text;

  double Number(const std::string& name) const {
    return std::stod(attributes.at(name));
  }
  bool Is(const std::string& part) const {
    const auto it = attributes.find("data-part");
    return it != attributes.end() && it->second == part;
  }
};

// Enough of XML for the drawing: elements, attributes, groups one deep.
std::vector<Element> ReadSvg(const std::string& svg) {
  static const std::regex kTag(
      R"(<(/?)(\w+)((?:\s+[\w:-]+="[^"]*")*)\s*(/?)>([^<]*))");
  static const std::regex kAttribute(R"(([\w:-]+)="([^"]*)\")");
  std::vector<Element> elements;
  std::string winding;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), kTag);
       it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    if (m[1] == "/") {
      if (m[2] == "g") winding.clear();
      continue;
    }
    Element element{m[2], winding, {}, m[5]};
    const std::string attributes = m[3];
    for (auto a = std::sregex_iterator(attributes.begin(), attributes.end(),
                                       kAttribute);
         a != std::sregex_iterator(); ++a) {
      element.attributes[(*a)[1]] = (*a)[2];
    }
    if (element.tag == "g" && element.attributes.contains("data-winding")) {
      winding = element.attributes["data-winding"];
    }
    elements.push_back(std::move(element));
  }
  return elements;
}

class CoilSvgReadBack : public testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    sheet_ = SheetDesign(GetParam());
    svg_ = CoilSvg(CoilSectionOf(sheet_));
    elements_ = ReadSvg(svg_);
  }
  std::vector<const Element*> Parts(const std::string& part,
                                    const std::string& winding = "") const {
    std::vector<const Element*> found;
    for (const Element& e : elements_) {
      if (e.Is(part) && e.winding == winding) found.push_back(&e);
    }
    return found;
  }
  WindingSheet sheet_;
  std::string svg_;
  std::vector<Element> elements_;
};

TEST_P(CoilSvgReadBack, MillimetresOnTheViewBox) {
  ASSERT_FALSE(elements_.empty());
  const Element& svg = elements_.front();
  ASSERT_EQ(svg.tag, "svg");
  const std::string width = svg.attributes.at("width");
  const std::string height = svg.attributes.at("height");
  ASSERT_TRUE(width.ends_with("mm") && height.ends_with("mm"));
  double x, y, w, h;
  ASSERT_EQ(std::sscanf(svg.attributes.at("viewBox").c_str(), "%lf %lf %lf %lf",
                        &x, &y, &w, &h),
            4);
  EXPECT_NEAR(std::stod(width), w, kMm);
  EXPECT_NEAR(std::stod(height), h, kMm);
  // The window and the whole coil lie inside the view.
  EXPECT_LT(x, 0);
  EXPECT_LT(y, 0);
  EXPECT_GT(x + w, std::max(sheet_.c_mm, sheet_.coil_mm));
  EXPECT_GT(y + h, sheet_.h_mm);
}

TEST_P(CoilSvgReadBack, WindowBobbinAndCoilAreTheSheets) {
  const auto window = Parts("window");
  ASSERT_EQ(window.size(), 1u);
  EXPECT_NEAR(window[0]->Number("x"), 0, kMm);
  EXPECT_NEAR(window[0]->Number("y"), 0, kMm);
  EXPECT_NEAR(window[0]->Number("width"), sheet_.c_mm, kMm);
  EXPECT_NEAR(window[0]->Number("height"), sheet_.h_mm, kMm);
  const auto bobbin = Parts("bobbin");
  ASSERT_EQ(bobbin.size(), 1u);
  EXPECT_NEAR(bobbin[0]->Number("x"), 0, kMm);
  EXPECT_NEAR(bobbin[0]->Number("width"), constants::kBobbinWallMm, kMm);
  const auto coil = Parts("coil");
  ASSERT_EQ(coil.size(), 1u);
  EXPECT_EQ(coil[0]->tag, "line");
  EXPECT_NEAR(coil[0]->Number("x1"), sheet_.coil_mm, kMm);
  EXPECT_NEAR(coil[0]->Number("x2"), sheet_.coil_mm, kMm);
  EXPECT_TRUE(coil[0]->attributes.contains("stroke-dasharray"));
  // Green margin where it fits, red excess where it does not, from the coil
  // to c.
  const auto verdict = Parts(sheet_.fits ? "margin" : "excess");
  ASSERT_EQ(verdict.size(), 1u);
  EXPECT_TRUE(Parts(sheet_.fits ? "excess" : "margin").empty());
  EXPECT_NEAR(verdict[0]->Number("width"), std::fabs(sheet_.margin_mm), kMm);
}

TEST_P(CoilSvgReadBack, EachWindingsLayersAndInsulation) {
  double right = 0;
  std::vector<std::string> groups;
  for (const Element& e : elements_) {
    if (e.tag == "g" && e.attributes.contains("data-winding")) {
      groups.push_back(e.attributes.at("data-winding"));
    }
  }
  ASSERT_EQ(groups.size(), sheet_.windings.size());
  const double top = (sheet_.h_mm - sheet_.effective_height_mm) / 2;
  for (std::size_t k = 0; k < sheet_.windings.size(); ++k) {
    const SheetWinding& w = sheet_.windings[k];
    SCOPED_TRACE(w.name);
    EXPECT_EQ(groups[k], w.name);
    const auto layers = Parts("layer", w.name);
    ASSERT_EQ(static_cast<int>(layers.size()), w.layers);
    double width = 0;
    for (std::size_t i = 0; i < layers.size(); ++i) {
      EXPECT_EQ(layers[i]->attributes.at("data-layer"), std::to_string(i + 1));
      EXPECT_NEAR(layers[i]->Number("width"), w.overall_mm, kMm);
      EXPECT_NEAR(layers[i]->Number("y"), top, kMm);
      const int turns =
          i + 1 == layers.size() ? w.last_layer_turns : w.turns_per_layer;
      EXPECT_NEAR(layers[i]->Number("height"), turns * w.strands * w.overall_mm,
                  kMm);
      width += layers[i]->Number("width");
      right =
          std::max(right, layers[i]->Number("x") + layers[i]->Number("width"));
    }
    for (const Element* gap : Parts("insulation", w.name)) {
      width += gap->Number("width");
      right = std::max(right, gap->Number("x") + gap->Number("width"));
    }
    EXPECT_NEAR(width, w.thickness_mm, kMm);
  }
  EXPECT_NEAR(right, sheet_.build_mm, kMm);
}

TEST_P(CoilSvgReadBack, NamesAreTextInTheChosenLanguage) {
  const auto texts_of = [](const std::string& svg) {
    std::string all;
    for (const Element& e : ReadSvg(svg)) {
      if (e.tag == "text") all += e.text + "\n";
    }
    return all;
  };
  const std::string chinese = texts_of(svg_);
  const std::string english =
      texts_of(CoilSvg(CoilSectionOf(sheet_), Translate(English)));
  for (std::size_t k = 0; k < sheet_.windings.size(); ++k) {
    EXPECT_NE(chinese.find(sheet_.windings[k].name), std::string::npos);
    const std::string name = Compose(WindingName(k), English);
    EXPECT_NE(name, sheet_.windings[k].name);
    EXPECT_NE(english.find(name), std::string::npos) << name;
  }
  // The groups keep the Chinese names a program looks for.
  EXPECT_NE(CoilSvg(CoilSectionOf(sheet_), Translate(English))
                .find("data-winding=\"" + sheet_.windings[0].name + "\""),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Designs, CoilSvgReadBack,
                         testing::ValuesIn(SheetDesignNames()));

// The legend names insulation only where the drawing has some.
TEST(CoilSvg, InsulationIsNamedWhereDrawn) {
  for (const char* name : {"single", "bare"}) {
    const std::string svg = CoilSvg(CoilSectionOf(SheetDesign(name)));
    const bool drawn = svg.find("data-part=\"insulation\"") != svg.npos;
    EXPECT_EQ(drawn, std::string(name) == "single");
    EXPECT_EQ(svg.find(">绝缘<") != svg.npos, drawn) << name;
  }
}

TEST(CoilSvg, TextIsEscaped) {
  CoilSection section = CoilSectionOf(SheetDesign("single"));
  section.windings[0].name = "a<b&\"c\"";
  const std::string svg = CoilSvg(section);
  EXPECT_NE(svg.find("data-winding=\"a&lt;b&amp;&quot;c&quot;\""),
            std::string::npos);
  EXPECT_EQ(svg.find("a<b"), std::string::npos);
}

}  // namespace
}  // namespace spulix
