// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/coil_section.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/transformer_design.h"
#include "tests/design/sheet/sheet_designs.h"

namespace spulix {
namespace {

using testing_support::SheetDesign;
using testing_support::SheetDesignNames;

constexpr double kExact = 1e-9;  // sums of a few millimetres

class CoilSectionLaws : public testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    sheet_ = SheetDesign(GetParam());
    section_ = CoilSectionOf(sheet_);
  }
  WindingSheet sheet_;
  CoilSection section_;
};

TEST_P(CoilSectionLaws, WindowAndBobbinAreTheSheetsCore) {
  EXPECT_EQ(section_.window.x, 0);
  EXPECT_EQ(section_.window.y, 0);
  EXPECT_EQ(section_.window.width, sheet_.c_mm);
  EXPECT_EQ(section_.window.height, sheet_.h_mm);
  EXPECT_EQ(section_.bobbin.x, 0);
  EXPECT_EQ(section_.bobbin.width, constants::kBobbinWallMm);
  EXPECT_NEAR(section_.top_mm, (sheet_.h_mm - sheet_.effective_height_mm) / 2,
              kExact);
}

TEST_P(CoilSectionLaws, EachWindingIsItsLayersAndInsulation) {
  ASSERT_EQ(section_.windings.size(), sheet_.windings.size());
  for (std::size_t k = 0; k < sheet_.windings.size(); ++k) {
    const SheetWinding& w = sheet_.windings[k];
    const SectionWinding& drawn = section_.windings[k];
    SCOPED_TRACE(w.name);
    EXPECT_EQ(drawn.name, w.name);
    double width = 0;
    for (const SectionLayer& layer : drawn.layers) width += layer.rect.width;
    for (const SectionInsulation& gap : drawn.insulation) {
      width += gap.rect.width;
    }
    EXPECT_NEAR(width, w.thickness_mm, kExact);
    EXPECT_NEAR(drawn.thickness_mm, w.thickness_mm, kExact);
  }
}

TEST_P(CoilSectionLaws, LayersAreTheSheetsLayers) {
  for (std::size_t k = 0; k < sheet_.windings.size(); ++k) {
    const SheetWinding& w = sheet_.windings[k];
    const std::vector<SectionLayer>& layers = section_.windings[k].layers;
    SCOPED_TRACE(w.name);
    ASSERT_EQ(static_cast<int>(layers.size()), w.layers);
    int turns = 0;
    for (std::size_t i = 0; i < layers.size(); ++i) {
      const bool last = i + 1 == layers.size();
      const int expected = last ? w.last_layer_turns : w.turns_per_layer;
      EXPECT_EQ(layers[i].turns, expected);
      EXPECT_NEAR(layers[i].rect.height, expected * w.strands * w.overall_mm,
                  kExact);
      EXPECT_EQ(layers[i].rect.width, w.overall_mm);
      EXPECT_NEAR(layers[i].rect.y, section_.top_mm, kExact);
      // Every layer stays within h'.
      EXPECT_LE(layers[i].rect.bottom(),
                section_.top_mm + sheet_.effective_height_mm + kExact);
      turns += layers[i].turns;
    }
    EXPECT_EQ(turns, w.turns);
  }
}

// Nothing overlaps and nothing is left out: each piece starts where the one
// before it ends, from the bobbin wall to the sheet's build.
TEST_P(CoilSectionLaws, PiecesFollowEachOtherToTheBuild) {
  double x = section_.bobbin.right();
  for (const SectionWinding& drawn : section_.windings) {
    EXPECT_NEAR(drawn.x, x, kExact);
    std::size_t gap = 0;
    for (std::size_t i = 0; i < drawn.layers.size(); ++i) {
      EXPECT_NEAR(drawn.layers[i].rect.x, x, kExact);
      x = drawn.layers[i].rect.right();
      const bool last = i + 1 == drawn.layers.size();
      if (gap < drawn.insulation.size() &&
          drawn.insulation[gap].outer == last) {
        EXPECT_NEAR(drawn.insulation[gap].rect.x, x, kExact);
        x = drawn.insulation[gap++].rect.right();
      }
    }
    EXPECT_EQ(gap, drawn.insulation.size()) << "insulation out of place";
  }
  EXPECT_NEAR(x, sheet_.build_mm, kExact);
  EXPECT_NEAR(section_.build_mm, sheet_.build_mm, kExact);
}

TEST_P(CoilSectionLaws, MarginLiesBetweenCoilAndWindow) {
  EXPECT_EQ(section_.coil_mm, sheet_.coil_mm);
  EXPECT_NEAR(section_.coil_mm, constants::kCoilAllowance * sheet_.build_mm,
              kExact);
  EXPECT_EQ(section_.fits, sheet_.fits);
  if (sheet_.fits) {
    EXPECT_NEAR(section_.margin.x, sheet_.coil_mm, kExact);
    EXPECT_NEAR(section_.margin.right(), sheet_.c_mm, kExact);
    EXPECT_NEAR(section_.margin.width, sheet_.margin_mm, kExact);
  } else {
    EXPECT_NEAR(section_.margin.x, sheet_.c_mm, kExact);
    EXPECT_NEAR(section_.margin.right(), sheet_.coil_mm, kExact);
    EXPECT_NEAR(section_.margin.width, -sheet_.margin_mm, kExact);
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, CoilSectionLaws,
                         testing::ValuesIn(SheetDesignNames()));

// The designs above are of the kinds they are named for; otherwise the
// laws would hold for less than they claim.
TEST(CoilSectionDesigns, CoverTheKindsTheyAreNamedFor) {
  EXPECT_TRUE(SheetDesign("centre_tapped").windings[1].tap.has_value());
  bool stranded = false;
  for (const SheetWinding& w : SheetDesign("stranded").windings) {
    stranded = stranded || w.strands > 1;
  }
  EXPECT_TRUE(stranded);
  EXPECT_EQ(SheetDesign("extras").windings.size(), 4u);
  EXPECT_EQ(SheetDesign("five").windings.size(), 5u);
  bool fits = false;
  bool overflows = false;
  for (const std::string& name : SheetDesignNames()) {
    const bool f = SheetDesign(name).fits;
    fits = fits || f;
    overflows = overflows || !f;
  }
  EXPECT_TRUE(fits);
  EXPECT_TRUE(overflows);
}

// Insulation the design gives has a rectangle between each two layers and
// one over the last; insulation left at 0 has none.
TEST(CoilSectionInsulation, GapsAreWhereTheDesignPutsThem) {
  const WindingSheet insulated = SheetDesign("single");
  const CoilSection section = CoilSectionOf(insulated);
  for (std::size_t k = 0; k < insulated.windings.size(); ++k) {
    const SheetWinding& w = insulated.windings[k];
    ASSERT_GT(w.interlayer_mm, 0);
    ASSERT_GT(w.outer_mm, 0);
    const auto& gaps = section.windings[k].insulation;
    ASSERT_EQ(static_cast<int>(gaps.size()), w.layers);
    for (int i = 0; i + 1 < w.layers; ++i) {
      EXPECT_FALSE(gaps[i].outer);
      EXPECT_EQ(gaps[i].rect.width, w.interlayer_mm);
    }
    EXPECT_TRUE(gaps.back().outer);
    EXPECT_EQ(gaps.back().rect.width, w.outer_mm);
  }
  for (const SectionWinding& drawn :
       CoilSectionOf(SheetDesign("bare")).windings) {
    EXPECT_TRUE(drawn.insulation.empty()) << drawn.name;
  }
}

}  // namespace
}  // namespace spulix
