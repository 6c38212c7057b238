// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/steel_grades.h"

#include <gtest/gtest.h>

#include <string>

namespace spulix {
namespace {

// A grade's name states its data: "50W800" is 0.50 mm thick and loses at
// most 8.00 W/kg at 1.5 T. Every shipped row must agree with its own name.
TEST(SteelGrades, EveryRowAgreesWithItsName) {
  const std::vector<SteelGrade>& grades = SteelGrades();
  ASSERT_GE(grades.size(), 20u);
  for (const SteelGrade& grade : grades) {
    SCOPED_TRACE(grade.name);
    const std::size_t w = grade.name.find('W');
    ASSERT_NE(w, std::string::npos);
    EXPECT_DOUBLE_EQ(std::stod(grade.name.substr(0, w)) / 100,
                     grade.thickness_mm);
    EXPECT_DOUBLE_EQ(std::stod(grade.name.substr(w + 1)) / 100,
                     grade.loss_w_per_kg);
  }
}

TEST(SteelGrades, FindsByNameIgnoringLetterCase) {
  const auto standard = FindSteelGrade(kDefaultSteelGrade);
  ASSERT_TRUE(standard.has_value());
  EXPECT_EQ(SteelGrades()[*standard].name, kDefaultSteelGrade);
  EXPECT_EQ(FindSteelGrade("50w470"), FindSteelGrade("50W470"));
  EXPECT_TRUE(FindSteelGrade("50W470").has_value());
  EXPECT_EQ(FindSteelGrade("50W47"), std::nullopt);
  EXPECT_EQ(FindSteelGrade(""), std::nullopt);
}

}  // namespace
}  // namespace spulix
