// SPDX-License-Identifier: GPL-3.0-or-later
// The primary fuse as the sheet names it: marked as on the fuse's cap.
#include "present/sheet_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "tests/readable_params.h"

namespace spulix {
namespace {

struct FuseCase {
  std::optional<double> amperes;
  std::string text;
};

void PrintTo(const FuseCase& c, std::ostream* os) {
  *os << (c.amperes ? std::to_string(*c.amperes) : std::string("none"));
}

class FuseText : public testing::TestWithParam<FuseCase> {};

TEST_P(FuseText, IsMarkedAsOnTheCap) {
  WindingSheet sheet;
  sheet.fuse_a = GetParam().amperes;
  const auto figures = SheetFigures(sheet);
  ASSERT_FALSE(figures.empty());
  EXPECT_EQ(figures.back().first, "初级保险丝");
  EXPECT_EQ(figures.back().second, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Ratings, FuseText,
    testing::Values(FuseCase{2, "T2A（慢熔，2 安）"},
                    FuseCase{1.25, "T1.25A（慢熔，1.25 安）"},
                    FuseCase{0.315, "T315mA（慢熔，0.315 安）"},
                    FuseCase{0.1, "T100mA（慢熔，0.1 安）"},
                    FuseCase{std::nullopt, "超过 20 安，无标准规格"}),
    testing_support::ReadableName());

}  // namespace
}  // namespace spulix
