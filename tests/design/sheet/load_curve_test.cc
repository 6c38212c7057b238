// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/load_curve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <variant>
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
  const std::optional<LoadPoint> point = RunAtLoad(WindingSheet{}, 0.5);
  ASSERT_TRUE(point.has_value());
  EXPECT_TRUE(point->secondary_v.empty());
  EXPECT_EQ(point->efficiency, 0);
}

// A winding that feeds a rectifier: simulated again at each load, its DC
// voltage on the curve; the sample with a 15 V 0.5 A bridge added.
class DcLoadCurve : public testing::Test {
 protected:
  void SetUp() override {
    testing_support::SheetDesignInput input =
        testing_support::SheetDesignInputOf("extras");
    Secondary dc;
    dc.load.kind = LoadKind::kBridge;
    dc.load.udc = "15";
    dc.load.idc = "0.5";
    input.choices.secondaries.AddExtra(dc);
    SheetOutcome outcome = ComputeWindingSheet(input.texts, input.choices);
    ASSERT_TRUE(std::holds_alternative<WindingSheet>(outcome))
        << Compose(std::get<UserText>(outcome));
    sheet_ = std::get<WindingSheet>(outcome);
    dc_ = sheet_.windings.size() - 1;
    ASSERT_TRUE(sheet_.windings[dc_].dc.has_value());
    curve_ = LoadCurve(sheet_);
    ASSERT_EQ(curve_.size(), 26u);
  }
  WindingSheet sheet_;
  std::size_t dc_ = 0;  // the DC winding's place in the sheet
  std::vector<LoadPoint> curve_;
};

TEST_F(DcLoadCurve, FullLoadIsTheSheetWithItsDcVoltage) {
  const LoadPoint& full = curve_[20];
  ASSERT_EQ(full.load, 1.0);
  EXPECT_EQ(full.output_w, sheet_.output_w);
  EXPECT_EQ(full.copper_loss_w, sheet_.copper_loss_w);
  EXPECT_EQ(full.efficiency, sheet_.efficiency);
  const auto& state =
      std::get<RectifierSteadyState>(sheet_.windings[dc_].dc->result);
  EXPECT_EQ(full.secondary_v[dc_ - 1], state.vdc_v);
  EXPECT_EQ(full.secondary_v[0], *sheet_.windings[1].full_load_v);
}

TEST_F(DcLoadCurve, TheDcVoltageFallsFromThePeakAsTheLoadGrows) {
  const SheetWinding& w = sheet_.windings[dc_];
  // Unloaded, the capacitor holds the peak less two diodes.
  EXPECT_NEAR(curve_[0].secondary_v[dc_ - 1],
              std::sqrt(2.0) * *w.no_load_v - 2 * w.dc->load.diode_drop_v,
              1e-9);
  for (std::size_t k = 1; k < curve_.size(); ++k) {
    EXPECT_LT(curve_[k].secondary_v[dc_ - 1],
              curve_[k - 1].secondary_v[dc_ - 1])
        << curve_[k].load;
    EXPECT_GT(curve_[k].copper_loss_w, curve_[k - 1].copper_loss_w);
    EXPECT_GT(curve_[k].output_w, curve_[k - 1].output_w);
  }
}

}  // namespace
}  // namespace spulix
