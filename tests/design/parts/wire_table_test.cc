// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/wire_table.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "tests/readable_params.h"

namespace spulix {
namespace {

// The shipped table: sizes rise, enamel only adds, grade 2 is thicker than
// grade 1, and a value is missing only for the in-between sizes from
// 0.53 mm up, where the sources give none.
TEST(StandardWires, ShippedTableIsConsistent) {
  const std::vector<StandardWire>& wires = StandardWires();
  ASSERT_GE(wires.size(), 70u);
  for (std::size_t i = 0; i < wires.size(); ++i) {
    const StandardWire& wire = wires[i];
    SCOPED_TRACE(wire.nominal_text);
    if (i > 0) {
      EXPECT_GT(wire.nominal_mm, wires[i - 1].nominal_mm);
    }
    EXPECT_EQ(wire.grade1_max_mm.has_value(), !wire.grade1_text.empty());
    EXPECT_EQ(wire.grade1_max_mm.has_value(), wire.grade2_max_mm.has_value());
    if (wire.grade1_max_mm) {
      EXPECT_GT(*wire.grade1_max_mm, wire.nominal_mm);
      EXPECT_GT(*wire.grade2_max_mm, *wire.grade1_max_mm);
    } else {
      EXPECT_EQ(wire.series, "R40");
      EXPECT_GE(wire.nominal_mm, 0.53);
    }
  }
}

struct NextCase {
  const char* d;
  const char* next;  // nominal text, or "" for none
};
void PrintTo(const NextCase& c, std::ostream* os) {
  testing_support::PrintText(c.d, os);
}

class NextWire : public testing::TestWithParam<NextCase> {};

TEST_P(NextWire, IsTheSmallestStandardSizeAtOrAbove) {
  const auto next = NextStandardWire(std::string_view(GetParam().d));
  if (*GetParam().next == '\0') {
    EXPECT_EQ(next, std::nullopt);
    return;
  }
  ASSERT_TRUE(next.has_value());
  EXPECT_EQ(StandardWires()[*next].nominal_text, GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(
    Diameters, NextWire,
    testing::Values(NextCase{"0.84", "0.850"}, NextCase{"1.88", "1.900"},
                    NextCase{"0.85", "0.850"}, NextCase{" 0.850 ", "0.850"},
                    NextCase{"0.0501", "0.053"}, NextCase{"0.01", "0.050"},
                    NextCase{"3.15", "3.150"}, NextCase{"3.16", ""},
                    NextCase{"1,000.00", ""}, NextCase{"0.00", ""},
                    NextCase{"-1", ""}, NextCase{"", ""}, NextCase{"abc", ""}),
    testing_support::ReadableName());

TEST(StandardWires, MatchesOnlyAnExactNominalDiameter) {
  ASSERT_TRUE(MatchStandardWire("0.85").has_value());
  EXPECT_EQ(StandardWires()[*MatchStandardWire("0.85")].nominal_text, "0.850");
  EXPECT_EQ(MatchStandardWire("0.84"), std::nullopt);
  EXPECT_EQ(MatchStandardWire("x"), std::nullopt);
  const StandardWire& one = StandardWires()[*MatchStandardWire("1")];
  EXPECT_DOUBLE_EQ(one.AreaMm2(), std::numbers::pi / 4);
}

// Where a size has no overall diameter, the nearest larger size that has
// one gives its value as a bound; a size with its own value keeps it.
TEST(StandardWires, OverallDiameterFallsBackToTheNextKnownSize) {
  const std::vector<StandardWire>& wires = StandardWires();
  int bounds = 0;
  for (int grade : {1, 2}) {
    for (std::size_t i = 0; i < wires.size(); ++i) {
      SCOPED_TRACE(wires[i].nominal_text + " grade " + std::to_string(grade));
      const auto own =
          grade == 1 ? wires[i].grade1_max_mm : wires[i].grade2_max_mm;
      const auto overall = OverallDiameterOf(i, grade);
      ASSERT_TRUE(overall.has_value());  // the largest size has values
      EXPECT_EQ(overall->is_bound, !own.has_value());
      EXPECT_GT(overall->mm, wires[i].nominal_mm);
      EXPECT_DOUBLE_EQ(overall->mm, std::stod(overall->text));
      if (own) {
        EXPECT_EQ(overall->source, i);
        EXPECT_DOUBLE_EQ(overall->mm, *own);
        continue;
      }
      ++bounds;
      ASSERT_GT(overall->source, i);
      const StandardWire& from = wires[overall->source];
      EXPECT_EQ(overall->text,
                grade == 1 ? from.grade1_text : from.grade2_text);
      for (std::size_t k = i + 1; k < overall->source; ++k) {
        EXPECT_TRUE(wires[k].grade1_text.empty());
      }
    }
  }
  EXPECT_GT(bounds, 0);
  EXPECT_EQ(OverallDiameterOf(wires.size(), 2), std::nullopt);
}

}  // namespace
}  // namespace spulix
