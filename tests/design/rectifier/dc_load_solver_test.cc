// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/rectifier/dc_load_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <variant>
#include <vector>

#include "design/user_text.h"

namespace spulix {
namespace {

DcLoad Load(RectifierKind kind, double udc_v, double idc_a,
            double capacitance_uf) {
  DcLoad load;
  load.kind = kind;
  load.udc_v = udc_v;
  load.idc_a = idc_a;
  load.capacitance_uf = capacitance_uf;
  return load;
}

// A stand-in for the sheet: a winding on a fixed core whose EMF is its
// full-load voltage plus the drops in its copper and the primary's, each a
// fixed share of the voltage at the current it is built for, so a winding
// built for more current has thicker wire.
struct ResistiveWinding {
  double volts_per_turn = 0.2;
  double copper_share = 0.05;  // R × I / U, in each of the two windings
  double primary_v = 220;

  WindingSource operator()(const WindingRequest& request) const {
    const double u = request.voltage_v;
    const double i = request.current_a;
    WindingSource source;
    source.emf_v = u * (1 + 2 * copper_share);
    source.r75_ohm = copper_share * u / i;
    const double primary_a = u * i / primary_v;
    source.primary_r75_ohm = copper_share * primary_v / primary_a;
    source.turns =
        2 * static_cast<int>(std::lround(source.emf_v / volts_per_turn / 2));
    source.primary_turns =
        static_cast<int>(std::lround(primary_v / volts_per_turn));
    return source;
  }
};

// The callback over a winding model, keeping every request it was given.
BuildWinding Recording(std::vector<WindingRequest>& calls,
                       const ResistiveWinding& model = {}) {
  return [&calls, model](const WindingRequest& request) -> WindingBuild {
    calls.push_back(request);
    return model(request);
  };
}

struct SolveCase {
  const char* name;
  DcLoad load;
};

std::ostream& operator<<(std::ostream& out, const SolveCase& c) {
  return out << c.name;
}

class SolveTest : public testing::TestWithParam<SolveCase> {};

INSTANTIATE_TEST_SUITE_P(
    Loads, SolveTest,
    testing::Values(
        SolveCase{"bridge_24V_2A", Load(RectifierKind::kBridge, 24, 2, 4700)},
        SolveCase{"split_35V_3A", Load(RectifierKind::kSplit, 35, 3, 10000)},
        SolveCase{"bridge_12V_5A", Load(RectifierKind::kBridge, 12, 5, 10000)},
        SolveCase{"fullwave_15V_1A",
                  Load(RectifierKind::kFullWave, 15, 1, 2200)},
        SolveCase{"bridge_5V_1A", Load(RectifierKind::kBridge, 5, 1, 4700)},
        SolveCase{"bridge_300V_100mA",
                  Load(RectifierKind::kBridge, 300, 0.1, 47)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(SolveTest, EndsOnARoundThatMeetsTheStoppingRule) {
  const DcLoad& load = GetParam().load;
  std::vector<WindingRequest> calls;
  const DcSolveOutcome outcome = SolveDcLoad(load, Recording(calls));
  const auto* solution = std::get_if<DcSolution>(&outcome);
  ASSERT_NE(solution, nullptr)
      << Compose(std::get<DcSolveFailure>(outcome).reason);
  ASSERT_EQ(static_cast<int>(calls.size()), solution->rounds);
  EXPECT_LE(solution->rounds, kMaxDcRounds);

  // The winding of the last round, simulated again, gives the figures found.
  const WindingRequest& used = calls.back();
  const WindingSource source = ResistiveWinding{}(used);
  const auto check =
      std::get<RectifierSteadyState>(SimulateRectifier(load, source));
  EXPECT_DOUBLE_EQ(check.vdc_v, solution->rectifier.vdc_v);
  EXPECT_DOUBLE_EQ(check.winding_rms_a, solution->winding.current_a);

  const double turn_peak_v = std::numbers::sqrt2 * source.emf_v / source.turns;
  EXPECT_LE(std::abs(check.vdc_v - load.udc_v),
            std::max(0.005 * load.udc_v, turn_peak_v));
  EXPECT_LE(std::abs(check.winding_rms_a - used.current_a),
            0.01 * used.current_a);

  // The figures as a person would type them.
  EXPECT_EQ(solution->winding.voltage_text, used.voltage_text);
  EXPECT_DOUBLE_EQ(std::stod(used.voltage_text), used.voltage_v);
  EXPECT_EQ(used.voltage_text.find('.'), used.voltage_text.size() - 2);
  EXPECT_EQ(solution->winding.power_text,
            std::to_string(std::llround(solution->winding.voltage_v *
                                        solution->winding.current_a)));
}

// The capacitor-input bridge's rule of thumb, with the default capacitor:
// the winding's VA 1.4 to 2.2 times the DC power.
TEST(SolveDcLoadTest, BridgeWindingRatingFollowsTheRuleOfThumb) {
  for (double udc_v : {5.0, 12.0, 24.0, 48.0, 100.0}) {
    for (double idc_a : {0.2, 1.0, 3.0, 10.0}) {
      DcLoad load = Load(RectifierKind::kBridge, udc_v, idc_a, 0);
      load.capacitance_uf = DefaultCapacitanceUf(udc_v, idc_a).value();
      std::vector<WindingRequest> calls;
      const DcSolveOutcome outcome = SolveDcLoad(load, Recording(calls));
      const auto* solution = std::get_if<DcSolution>(&outcome);
      ASSERT_NE(solution, nullptr) << udc_v << " V " << idc_a << " A";
      const double va =
          solution->winding.voltage_v * solution->winding.current_a;
      EXPECT_GT(va, 1.4 * udc_v * idc_a) << udc_v << " V " << idc_a << " A";
      EXPECT_LT(va, 2.2 * udc_v * idc_a) << udc_v << " V " << idc_a << " A";
    }
  }
}

// A winding that is the same whatever it is asked for: its Vdc and RMS
// current are fixed, so the rounds stop at the second (the first was built
// for 1.8 × Idc) exactly when Vdc is within the tolerance.
struct StopCase {
  const char* name;
  double udc_over_vdc;  // the load's Udc as a multiple of the winding's Vdc
  int turns;
  bool settles;
};

std::ostream& operator<<(std::ostream& out, const StopCase& c) {
  return out << c.name;
}

class StoppingRuleTest : public testing::TestWithParam<StopCase> {};

TEST_P(StoppingRuleTest, VdcWithinHalfAPercentOrOneTurn) {
  const StopCase& c = GetParam();
  WindingSource fixed;
  fixed.emf_v = 20;
  fixed.r75_ohm = 0.3;
  fixed.primary_r75_ohm = 4;
  fixed.turns = c.turns;
  fixed.primary_turns = 1100;
  DcLoad load = Load(RectifierKind::kBridge, 1, 2, 4700);
  const double vdc_v =
      std::get<RectifierSteadyState>(SimulateRectifier(load, fixed)).vdc_v;
  load.udc_v = vdc_v * c.udc_over_vdc;
  int calls = 0;
  const DcSolveOutcome outcome =
      SolveDcLoad(load, [&](const WindingRequest&) -> WindingBuild {
        ++calls;
        return fixed;
      });
  if (c.settles) {
    ASSERT_TRUE(std::holds_alternative<DcSolution>(outcome));
    EXPECT_EQ(std::get<DcSolution>(outcome).rounds, 2);
  } else {
    ASSERT_TRUE(std::holds_alternative<DcSolveFailure>(outcome));
    EXPECT_EQ(std::get<DcSolveFailure>(outcome).fault,
              DcSolveFault::kDoesNotSettle);
    EXPECT_EQ(calls, kMaxDcRounds);  // bounded
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoppingRuleTest,
    testing::Values(
        // 100 turns: one turn is 0.28 V peak, about 1.1 % of Vdc.
        StopCase{"within_half_a_percent", 1.004, 1000, true},
        StopCase{"just_outside", 1.006, 1000, false},
        StopCase{"outside_but_within_a_turn", 1.008, 100, true},
        StopCase{"outside_a_turn", 1.02, 100, false},
        StopCase{"below_within", 0.996, 1000, true},
        StopCase{"far_off", 1.5, 1000, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolveDcLoadTest, PassesOnTheWindingsReasonAndStops) {
  int calls = 0;
  const UserText reason = Verbatim("绕不下");
  const ResistiveWinding model;
  const DcSolveOutcome outcome =
      SolveDcLoad(Load(RectifierKind::kBridge, 24, 2, 4700),
                  [&](const WindingRequest& request) -> WindingBuild {
                    if (++calls == 2) return reason;
                    return model(request);
                  });
  const auto* failure = std::get_if<DcSolveFailure>(&outcome);
  ASSERT_NE(failure, nullptr);
  EXPECT_EQ(failure->fault, DcSolveFault::kWinding);
  EXPECT_EQ(failure->reason, reason);
  EXPECT_EQ(failure->rounds, 2);
  EXPECT_EQ(calls, 2);
}

TEST(SolveDcLoadTest, AWindingThatCannotCarryTheLoadIsTheRectifiersReason) {
  WindingSource thin;
  thin.emf_v = 20;
  thin.r75_ohm = 50;  // 2 A through 50 Ω from 28 V peak
  thin.turns = 100;
  thin.primary_turns = 1100;
  const DcSolveOutcome outcome =
      SolveDcLoad(Load(RectifierKind::kBridge, 24, 2, 4700),
                  [&](const WindingRequest&) -> WindingBuild { return thin; });
  const auto* failure = std::get_if<DcSolveFailure>(&outcome);
  ASSERT_NE(failure, nullptr);
  EXPECT_EQ(failure->fault, DcSolveFault::kRectifier);
  EXPECT_EQ(failure->rounds, 1);
  EXPECT_FALSE(Compose(failure->reason).empty());
}

TEST(SolveDcLoadTest, ANonPositiveUdcBuildsNothing) {
  for (double udc_v : {0.0, -5.0, std::nan("")}) {
    int calls = 0;
    const DcSolveOutcome outcome =
        SolveDcLoad(Load(RectifierKind::kBridge, udc_v, 2, 4700),
                    [&](const WindingRequest& request) -> WindingBuild {
                      ++calls;
                      return ResistiveWinding{}(request);
                    });
    EXPECT_TRUE(std::holds_alternative<DcSolveFailure>(outcome)) << udc_v;
    EXPECT_EQ(calls, 0);
  }
}

}  // namespace
}  // namespace spulix
