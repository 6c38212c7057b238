// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/rectifier/reservoir_capacitor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace spulix {
namespace {

struct CapacitorCase {
  double udc_v;
  double idc_a;
  std::optional<double> uf;
};

class DefaultCapacitanceTest : public testing::TestWithParam<CapacitorCase> {};

TEST_P(DefaultCapacitanceTest, IsTheSmallestE6ValueForTenPercentRipple) {
  const CapacitorCase& c = GetParam();
  const std::optional<double> uf = DefaultCapacitanceUf(c.udc_v, c.idc_a);
  ASSERT_EQ(uf.has_value(), c.uf.has_value());
  if (uf) {
    EXPECT_NEAR(*uf, *c.uf, *c.uf * 1e-12);
  }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Loads, DefaultCapacitanceTest,
    testing::Values(
        CapacitorCase{12, 5, 47000},      // 41,667 µF needed
        CapacitorCase{24, 2, 10000},      // 8,333
        CapacitorCase{10, 0.1, 1000},     // exactly 1,000 keeps it
        CapacitorCase{10, 0.1001, 1500},  // just above goes up one step
        CapacitorCase{10, 0.68, 6800},    // the decade's last step
        CapacitorCase{10, 0.681, 10000},  // and on into the next decade
        CapacitorCase{100, 0.001, 1},     // 1 µF
        CapacitorCase{5, 0.0033, 68},     // 66 µF
        CapacitorCase{100, 0.0066, 6.8},  // 6.6 µF
        CapacitorCase{0, 1, std::nullopt}, CapacitorCase{12, 0, std::nullopt},
        CapacitorCase{-12, 1, std::nullopt},
        CapacitorCase{kNaN, 1, std::nullopt},
        CapacitorCase{12, kInf, std::nullopt}));

TEST(NextE6Test, EveryValueOfTheSeriesIsItsOwnDefault) {
  for (double decade : {1e-1, 1.0, 1e2, 1e5}) {
    for (double step : kE6Series) {
      EXPECT_DOUBLE_EQ(NextE6Uf(step * decade), step * decade);
    }
  }
}

}  // namespace
}  // namespace spulix
