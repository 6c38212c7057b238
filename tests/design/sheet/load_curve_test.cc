// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/load_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/design/sheet/sheet_designs.h"

namespace spulix {
namespace {

using testing_support::SheetDesign;
using testing_support::SheetDesignNames;

class LoadCurveLaws : public testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    sheet_ = SheetDesign(GetParam());
    curve_ = LoadCurve(sheet_);
  }
  const LoadPoint& At(double load) const {
    const auto it = std::ranges::find_if(
        curve_, [load](const LoadPoint& p) { return p.load == load; });
    EXPECT_NE(it, curve_.end()) << "no point at load " << load;
    return *it;
  }
  WindingSheet sheet_;
  std::vector<LoadPoint> curve_;
};

TEST_P(LoadCurveLaws, StepsOfOneTwentiethToOneAndAQuarter) {
  ASSERT_EQ(curve_.size(), 26u);
  for (std::size_t k = 0; k < curve_.size(); ++k) {
    EXPECT_NEAR(curve_[k].load, 0.05 * static_cast<double>(k), 1e-12);
    EXPECT_EQ(curve_[k].secondary_v.size(), sheet_.windings.size() - 1);
  }
  EXPECT_EQ(curve_.front().load, 0);
  EXPECT_EQ(curve_.back().load, kLastLoad);
}

// The same formulas as the sheet: at full load its very figures.
TEST_P(LoadCurveLaws, FullLoadIsTheSheet) {
  const LoadPoint& full = At(1.0);
  EXPECT_EQ(full.output_w, sheet_.output_w);
  EXPECT_EQ(full.copper_loss_w, sheet_.copper_loss_w);
  EXPECT_EQ(full.efficiency, sheet_.efficiency);
  EXPECT_EQ(full.rise_k, sheet_.temperature_rise_k);
  for (std::size_t k = 0; k < full.secondary_v.size(); ++k) {
    EXPECT_EQ(full.secondary_v[k], *sheet_.windings[k + 1].full_load_v)
        << sheet_.windings[k + 1].name;
  }
}

TEST_P(LoadCurveLaws, NoLoadIsTheOpenCircuit) {
  const LoadPoint& idle = At(0);
  EXPECT_EQ(idle.output_w, 0);
  EXPECT_EQ(idle.copper_loss_w, 0);
  EXPECT_EQ(idle.efficiency, 0);
  for (std::size_t k = 0; k < idle.secondary_v.size(); ++k) {
    EXPECT_DOUBLE_EQ(idle.secondary_v[k], *sheet_.windings[k + 1].no_load_v);
  }
  // Only the iron loss heats it.
  EXPECT_GT(idle.rise_k, 0);
}

TEST_P(LoadCurveLaws, CopperLossGoesWithTheSquareOfTheLoad) {
  for (const LoadPoint& point : curve_) {
    EXPECT_NEAR(point.copper_loss_w,
                point.load * point.load * sheet_.copper_loss_w,
                1e-12 * sheet_.copper_loss_w);
  }
}

TEST_P(LoadCurveLaws, VoltageFallsAndRiseClimbsWithLoad) {
  for (std::size_t k = 1; k < curve_.size(); ++k) {
    EXPECT_GT(curve_[k].rise_k, curve_[k - 1].rise_k) << curve_[k].load;
    for (std::size_t s = 0; s < curve_[k].secondary_v.size(); ++s) {
      EXPECT_LT(curve_[k].secondary_v[s], curve_[k - 1].secondary_v[s])
          << "secondary " << s + 1 << " at load " << curve_[k].load;
    }
  }
}

// Efficiency peaks where the copper loss equals the iron loss; it rises
// up to the steps around that load and falls after them. A peak beyond the
// last step leaves it rising all the way.
TEST_P(LoadCurveLaws, EfficiencyPeaksWhereCopperLossMeetsIronLoss) {
  const double peak = std::sqrt(sheet_.iron_loss_w / sheet_.copper_loss_w);
  const auto best = std::ranges::max_element(
      curve_, {}, [](const LoadPoint& p) { return p.efficiency; });
  EXPECT_LE(std::fabs(best->load - std::min(peak, kLastLoad)), 0.05)
      << "peak expected near " << peak;
  for (std::size_t k = 1; k < curve_.size(); ++k) {
    if (curve_[k].load <= peak - 0.05) {
      EXPECT_GT(curve_[k].efficiency, curve_[k - 1].efficiency)
          << curve_[k].load;
    } else if (curve_[k - 1].load >= peak + 0.05) {
      EXPECT_LT(curve_[k].efficiency, curve_[k - 1].efficiency)
          << curve_[k].load;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, LoadCurveLaws,
                         testing::ValuesIn(SheetDesignNames()));

// In these designs the peak lies inside the curve, so it does rise and
// then fall; the law above would hold for less otherwise.
TEST(LoadCurvePeak, LiesWithinTheRangeForTheSample) {
  const WindingSheet sheet = SheetDesign("single");
  const std::vector<LoadPoint> curve = LoadCurve(sheet);
  const auto best = std::ranges::max_element(
      curve, {}, [](const LoadPoint& p) { return p.efficiency; });
  EXPECT_GT(best->load, 0);
  EXPECT_LT(best->load, kLastLoad);
}

TEST(LoadCurve, NoWindingsGiveNoVoltages) {
  const LoadPoint point = RunAtLoad(WindingSheet{}, 0.5);
  EXPECT_TRUE(point.secondary_v.empty());
  EXPECT_EQ(point.efficiency, 0);
}

}  // namespace
}  // namespace spulix
