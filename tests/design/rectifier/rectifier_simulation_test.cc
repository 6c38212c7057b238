// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/rectifier/rectifier_simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <string>
#include <utility>
#include <variant>

#include "design/user_text.h"

namespace spulix {
namespace {

// A winding with its primary: E, the winding's and the primary's R75, N, N1.
WindingSource Winding(double emf_v, double r75_ohm, double primary_r75_ohm = 0,
                      int turns = 100, int primary_turns = 1000) {
  WindingSource source;
  source.emf_v = emf_v;
  source.r75_ohm = r75_ohm;
  source.primary_r75_ohm = primary_r75_ohm;
  source.turns = turns;
  source.primary_turns = primary_turns;
  return source;
}

DcLoad Load(RectifierKind kind, double idc_a, double capacitance_uf,
            double diode_drop_v = 0.8) {
  DcLoad load;
  load.kind = kind;
  load.idc_a = idc_a;
  load.capacitance_uf = capacitance_uf;
  load.diode_drop_v = diode_drop_v;
  return load;
}

RectifierSteadyState Steady(const DcLoad& load, const WindingSource& source,
                            const RectifierNumerics& numerics = {}) {
  const RectifierOutcome outcome = SimulateRectifier(load, source, numerics);
  if (const auto* failure = std::get_if<RectifierFailure>(&outcome)) {
    ADD_FAILURE() << "no steady state: " << Compose(failure->reason);
    return {};
  }
  return std::get<RectifierSteadyState>(outcome);
}

struct Circuit {
  const char* name;
  DcLoad load;
  WindingSource source;
};

std::ostream& operator<<(std::ostream& out, const Circuit& c) {
  return out << c.name;
}

// Small and large windings, stiff and soft, narrow and wide pulses.
const Circuit kCircuits[] = {
    {"bridge_24V_2A", Load(RectifierKind::kBridge, 2, 4700),
     Winding(21.5, 0.35, 4.0, 110, 1130)},
    {"bridge_12V_5A", Load(RectifierKind::kBridge, 5, 10000),
     Winding(11.6, 0.08, 3.0, 60, 1140)},
    {"split_35V_3A", Load(RectifierKind::kSplit, 3, 10000),
     Winding(56.0, 0.5, 1.2, 250, 980)},
    {"fullwave_15V_1A", Load(RectifierKind::kFullWave, 1, 2200),
     Winding(26.0, 1.1, 12.0, 190, 1600)},
    {"bridge_stiff", Load(RectifierKind::kBridge, 0.5, 470, 0.7),
     Winding(9.0, 0.01, 0.0)},
    {"bridge_soft", Load(RectifierKind::kBridge, 0.2, 100000, 1.0),
     Winding(30.0, 20.0, 50.0)},
    // Near the most this winding can give, behind a huge C: slow to settle.
    {"bridge_slow", Load(RectifierKind::kBridge, 4.8, 1e6),
     Winding(10.0, 1.0, 0.0)},
};

class CircuitTest : public testing::TestWithParam<Circuit> {};

INSTANTIATE_TEST_SUITE_P(Circuits, CircuitTest, testing::ValuesIn(kCircuits),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// In the steady state the capacitor gains over a half-cycle what the load
// takes from it.
TEST_P(CircuitTest, MeanDiodeCurrentEqualsTheLoad) {
  const Circuit& c = GetParam();
  const RectifierSteadyState r = Steady(c.load, c.source);
  EXPECT_NEAR(r.mean_diode_a, c.load.idc_a, 1e-3 * c.load.idc_a);

  // The same from the plotted samples, to the accuracy of 200 intervals.
  ASSERT_EQ(r.half_cycle.size(), static_cast<std::size_t>(kPlotIntervals + 1));
  double sum = 0;
  for (std::size_t k = 1; k < r.half_cycle.size(); ++k) {
    sum += (r.half_cycle[k - 1].diode_a + r.half_cycle[k].diode_a) / 2;
  }
  EXPECT_NEAR(sum / kPlotIntervals, c.load.idc_a, 0.03 * c.load.idc_a);
  // And the half-cycle ends where it began.
  EXPECT_NEAR(r.half_cycle.front().capacitor_v, r.half_cycle.back().capacitor_v,
              1e-5 * r.vdc_v);
}

// Within 0.2 % of a step twenty times finer.
TEST_P(CircuitTest, AFinerStepChangesNothingThatShows) {
  const Circuit& c = GetParam();
  const RectifierSteadyState coarse = Steady(c.load, c.source);
  RectifierNumerics fine;
  fine.steps_per_half_cycle = 80000;
  const RectifierSteadyState exact = Steady(c.load, c.source, fine);
  EXPECT_NEAR(coarse.vdc_v, exact.vdc_v, 2e-3 * exact.vdc_v);
  EXPECT_NEAR(coarse.ripple_v, exact.ripple_v, 2e-3 * exact.ripple_v);
  EXPECT_NEAR(coarse.peak_a, exact.peak_a, 2e-3 * exact.peak_a);
  EXPECT_NEAR(coarse.conduction_deg, exact.conduction_deg,
              2e-3 * exact.conduction_deg);
  EXPECT_NEAR(coarse.winding_rms_a, exact.winding_rms_a,
              2e-3 * exact.winding_rms_a);
}

// What a plot of the half-cycle shows agrees with the figures.
TEST_P(CircuitTest, TheSampledHalfCycleMatchesTheFigures) {
  const Circuit& c = GetParam();
  const RectifierSteadyState r = Steady(c.load, c.source);
  const ChargingPath path = PathOf(c.load.kind, c.source);
  double v_min = r.half_cycle.front().capacitor_v;
  double v_max = v_min;
  for (const RectifierSample& s : r.half_cycle) {
    const double e = std::numbers::sqrt2 * path.emf_v *
                     std::sin(s.angle_deg * std::numbers::pi / 180);
    EXPECT_NEAR(s.source_v, e - PathDropV(c.load), 1e-9 * path.emf_v);
    EXPECT_GE(s.diode_a, 0);
    EXPECT_LE(s.diode_a, r.peak_a * (1 + 1e-9));
    v_min = std::min(v_min, s.capacitor_v);
    v_max = std::max(v_max, s.capacitor_v);
  }
  EXPECT_DOUBLE_EQ(r.half_cycle.front().angle_deg, 0);
  EXPECT_DOUBLE_EQ(r.half_cycle.back().angle_deg, 180);
  EXPECT_NEAR(v_max - v_min, r.ripple_v, 0.05 * r.ripple_v);
  EXPECT_LT(r.vdc_v, v_max);
  EXPECT_GT(r.vdc_v, v_min);
}

// A capacitor that hardly moves behind a winding that hardly drops: the DC
// is the source's peak less the diodes.
TEST(RectifierSimulationTest, StiffSourceAndHugeCapacitorGiveThePeak) {
  for (RectifierKind kind : {RectifierKind::kBridge, RectifierKind::kFullWave,
                             RectifierKind::kSplit}) {
    const DcLoad load = Load(kind, 1, 1e7);
    const WindingSource source = Winding(20, 1e-4, 0);
    const RectifierSteadyState r = Steady(load, source);
    const double peak_v =
        std::numbers::sqrt2 * PathOf(kind, source).emf_v - PathDropV(load);
    EXPECT_NEAR(r.vdc_v, peak_v, 1e-3 * peak_v);
    EXPECT_LT(r.vdc_v, peak_v);
  }
}

// A softer winding spreads the charge over wider, lower pulses, so their
// RMS comes closer to their mean.
TEST(RectifierSimulationTest, RmsFactorFallsAsResistanceGrows) {
  double last_factor = std::numeric_limits<double>::infinity();
  double last_peak = last_factor;
  double last_conduction = 0;
  for (double ohm : {0.02, 0.05, 0.1, 0.2, 0.5, 1.0, 2.0}) {
    const DcLoad load = Load(RectifierKind::kBridge, 2, 4700);
    const RectifierSteadyState r = Steady(load, Winding(24, ohm));
    const double factor = r.winding_rms_a / load.idc_a;
    EXPECT_LT(factor, last_factor) << ohm << " Ω";
    EXPECT_GT(factor, 1) << ohm << " Ω";  // RMS above the mean
    EXPECT_LT(r.peak_a, last_peak) << ohm << " Ω";
    EXPECT_GT(r.conduction_deg, last_conduction) << ohm << " Ω";
    last_factor = factor;
    last_peak = r.peak_a;
    last_conduction = r.conduction_deg;
  }
}

// Outside the pulses the load alone discharges the capacitor, so a large C
// ripples by Idc / (2 f C) times the part of the half-cycle without a pulse;
// a little more behind a soft winding, whose pulses start below the load
// current.
TEST(RectifierSimulationTest, RippleOfALargeCapacitorIsTheLoadsDischarge) {
  for (const auto& [ohm, tolerance] : {std::pair{0.003, 0.01}, {0.3, 0.05}}) {
    for (double uf : {22000.0, 47000.0, 100000.0}) {
      const DcLoad load = Load(RectifierKind::kBridge, 3, uf);
      const RectifierSteadyState r = Steady(load, Winding(20, ohm));
      const double full_v = load.idc_a / (2 * kMainsFrequencyHz * uf * 1e-6);
      const double off_v = full_v * (1 - r.conduction_deg / 180);
      EXPECT_LE(r.ripple_v, full_v) << uf << " µF " << ohm << " Ω";
      EXPECT_GE(r.ripple_v, off_v) << uf << " µF " << ohm << " Ω";
      EXPECT_NEAR(r.ripple_v, off_v, tolerance * off_v)
          << uf << " µF " << ohm << " Ω";
    }
  }
}

// Each half of a centre-tapped winding is a bridge's winding of half the
// turns, resistance and EMF, its one diode the bridge's two; 正负's halves
// carry a pulse each half-cycle, 全波's every other one.
TEST(RectifierSimulationTest, CentreTappedHalvesAreHalfWindings) {
  const WindingSource whole = Winding(40, 0.8, 3.0, 200, 1000);
  const WindingSource half = Winding(20, 0.4, 3.0, 100, 1000);
  const RectifierSteadyState full_wave =
      Steady(Load(RectifierKind::kFullWave, 2, 4700, 0.8), whole);
  const RectifierSteadyState split =
      Steady(Load(RectifierKind::kSplit, 2, 4700, 0.8), whole);
  const RectifierSteadyState bridge =
      Steady(Load(RectifierKind::kBridge, 2, 4700, 0.4), half);
  for (const RectifierSteadyState* r : {&full_wave, &split}) {
    EXPECT_NEAR(r->vdc_v, bridge.vdc_v, 1e-9 * bridge.vdc_v);
    EXPECT_NEAR(r->ripple_v, bridge.ripple_v, 1e-9 * bridge.ripple_v);
    EXPECT_NEAR(r->peak_a, bridge.peak_a, 1e-9 * bridge.peak_a);
    EXPECT_NEAR(r->conduction_deg, bridge.conduction_deg, 1e-9 * 180);
  }
  EXPECT_NEAR(split.winding_rms_a, bridge.winding_rms_a,
              1e-9 * bridge.winding_rms_a);
  EXPECT_NEAR(full_wave.winding_rms_a * std::numbers::sqrt2,
              bridge.winding_rms_a, 1e-9 * bridge.winding_rms_a);
}

// The primary's resistance acts as the square of the turns ratio times it
// in the secondary.
TEST(RectifierSimulationTest, PrimaryResistanceIsReferredByTheTurnsRatio) {
  const DcLoad load = Load(RectifierKind::kBridge, 2, 4700);
  const RectifierSteadyState referred =
      Steady(load, Winding(24, 0.2, 5.0, 100, 1000));  // 0.2 + 5 / 100
  const RectifierSteadyState lumped = Steady(load, Winding(24, 0.25, 0));
  EXPECT_NEAR(referred.vdc_v, lumped.vdc_v, 1e-9 * lumped.vdc_v);
  EXPECT_NEAR(referred.winding_rms_a, lumped.winding_rms_a,
              1e-9 * lumped.winding_rms_a);
}

struct Impossible {
  const char* name;
  DcLoad load;
  WindingSource source;
  RectifierFault fault;
};

std::ostream& operator<<(std::ostream& out, const Impossible& c) {
  return out << c.name;
}

class ImpossibleTest : public testing::TestWithParam<Impossible> {};

TEST_P(ImpossibleTest, IsAOneLineReason) {
  const Impossible& c = GetParam();
  const RectifierOutcome outcome = SimulateRectifier(c.load, c.source);
  const auto* failure = std::get_if<RectifierFailure>(&outcome);
  ASSERT_NE(failure, nullptr);
  EXPECT_EQ(failure->fault, c.fault);
  const std::string text = Compose(failure->reason);
  EXPECT_FALSE(text.empty());
  EXPECT_EQ(text.find('\n'), std::string::npos) << text;
  EXPECT_EQ(text.find('%'), std::string::npos) << text;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

DcLoad WithDrop(double diode_drop_v) {
  return Load(RectifierKind::kBridge, 1, 1000, diode_drop_v);
}

INSTANTIATE_TEST_SUITE_P(
    Loads, ImpossibleTest,
    testing::Values(
        // 20 A through 1 Ω cannot come from a 10 V winding.
        Impossible{"overload", Load(RectifierKind::kBridge, 20, 4700),
                   Winding(10, 1), RectifierFault::kCannotCarry},
        // The peak does not get past the diodes.
        Impossible{"below_the_drops", Load(RectifierKind::kBridge, 0.1, 1000),
                   Winding(1, 0.1), RectifierFault::kCannotCarry},
        Impossible{"no_current", Load(RectifierKind::kBridge, 0, 1000),
                   Winding(10, 1), RectifierFault::kBadInput},
        Impossible{"no_capacitor", Load(RectifierKind::kSplit, 1, 0),
                   Winding(10, 1), RectifierFault::kBadInput},
        Impossible{"negative_drop", WithDrop(-0.1), Winding(10, 1),
                   RectifierFault::kBadInput},
        Impossible{"nan_drop", WithDrop(kNaN), Winding(10, 1),
                   RectifierFault::kBadInput},
        Impossible{"no_resistance", WithDrop(0.8), Winding(10, 0),
                   RectifierFault::kBadInput},
        Impossible{"no_primary_turns", WithDrop(0.8), Winding(10, 1, 1, 10, 0),
                   RectifierFault::kBadInput},
        Impossible{"infinite_emf", WithDrop(0.8),
                   Winding(std::numeric_limits<double>::infinity(), 1),
                   RectifierFault::kBadInput}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RectifierSimulationTest, GivesUpAfterTheHalfCyclesAllowed) {
  RectifierNumerics numerics;
  numerics.max_half_cycles = 3;
  const RectifierOutcome outcome = SimulateRectifier(
      Load(RectifierKind::kBridge, 2, 4700), Winding(24, 0.3), numerics);
  const auto* failure = std::get_if<RectifierFailure>(&outcome);
  ASSERT_NE(failure, nullptr);
  EXPECT_EQ(failure->fault, RectifierFault::kNoSteadyState);
}

// Whatever the figures, a result is finite and physical, or a reason.
TEST(RectifierSimulationTest, RandomCircuitsGiveSaneFiguresOrAReason) {
  std::mt19937 random(24);
  const auto spread = [&](double low, double high) {
    return std::exp(std::uniform_real_distribution<double>(
        std::log(low), std::log(high))(random));
  };
  RectifierNumerics numerics;
  numerics.steps_per_half_cycle = 400;
  int steady = 0;
  for (int i = 0; i < 200; ++i) {
    const auto kind = static_cast<RectifierKind>(i % 3);
    const DcLoad load =
        Load(kind, spread(1e-3, 50), spread(1, 1e6), spread(0.01, 2));
    const WindingSource source = Winding(
        spread(0.5, 1000), spread(1e-4, 1e3), spread(1e-3, 1e3),
        static_cast<int>(spread(1, 3000)), static_cast<int>(spread(1, 3000)));
    const RectifierOutcome outcome = SimulateRectifier(load, source, numerics);
    const auto* r = std::get_if<RectifierSteadyState>(&outcome);
    if (!r) continue;
    ++steady;
    const double top_v =
        std::numbers::sqrt2 * PathOf(kind, source).emf_v - PathDropV(load);
    EXPECT_GT(r->vdc_v, 0);
    EXPECT_LE(r->vdc_v, top_v);
    EXPECT_GE(r->ripple_v, 0);
    EXPECT_GT(r->conduction_deg, 0);
    EXPECT_LT(r->conduction_deg, 180);
    EXPECT_GE(r->peak_a, load.idc_a);
    EXPECT_TRUE(std::isfinite(r->winding_rms_a));
  }
  EXPECT_GT(steady, 20);  // the check above saw real circuits
}

}  // namespace
}  // namespace spulix
