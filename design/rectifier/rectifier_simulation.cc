// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/rectifier/rectifier_simulation.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>

#include "design/transformer_design.h"

namespace spulix {
namespace {

constexpr TextContext kRectifierTexts{"Rectifier"};

RectifierFailure Fail(RectifierFault fault, UserText reason) {
  return {fault, std::move(reason)};
}

RectifierFailure MustBePositive(const char* name) {
  return Fail(
      RectifierFault::kBadInput,
      kRectifierTexts.Say(SPULIX_TEXT("Rectifier", "整流计算：%1必须大于 0"),
                          {kRectifierTexts.Say(name)}));
}

RectifierFailure MustNotBeNegative(const char* name) {
  return Fail(
      RectifierFault::kBadInput,
      kRectifierTexts.Say(SPULIX_TEXT("Rectifier", "整流计算：%1不能小于 0"),
                          {kRectifierTexts.Say(name)}));
}

RectifierFailure OutOfRange() {
  return Fail(
      RectifierFault::kBadInput,
      kRectifierTexts.Say(SPULIX_TEXT("Rectifier", "整流计算：数值超出范围")));
}

bool Positive(double x) { return x > 0 && std::isfinite(x); }
bool NotNegative(double x) { return x >= 0 && std::isfinite(x); }

// The first figure that cannot be simulated, if any.
std::optional<RectifierFailure> CheckInputs(const DcLoad& load,
                                            const WindingSource& source,
                                            const RectifierNumerics& numerics) {
  if (!Positive(load.idc_a)) {
    return MustBePositive(SPULIX_TEXT("Rectifier", "直流电流"));
  }
  if (!Positive(load.capacitance_uf)) {
    return MustBePositive(SPULIX_TEXT("Rectifier", "滤波电容"));
  }
  if (!NotNegative(load.diode_drop_v)) {
    return MustNotBeNegative(SPULIX_TEXT("Rectifier", "二极管压降"));
  }
  if (!Positive(source.emf_v)) {
    return MustBePositive(SPULIX_TEXT("Rectifier", "绕组空载电压"));
  }
  if (!Positive(source.r75_ohm)) {
    return MustBePositive(SPULIX_TEXT("Rectifier", "绕组电阻"));
  }
  if (!NotNegative(source.primary_r75_ohm)) {
    return MustNotBeNegative(SPULIX_TEXT("Rectifier", "初级电阻"));
  }
  if (source.turns <= 0) {
    return MustBePositive(SPULIX_TEXT("Rectifier", "绕组匝数"));
  }
  if (source.primary_turns <= 0) {
    return MustBePositive(SPULIX_TEXT("Rectifier", "初级匝数"));
  }
  if (numerics.steps_per_half_cycle <= 0 || numerics.max_half_cycles <= 0) {
    return OutOfRange();
  }
  return std::nullopt;
}

// What a half-cycle yields when it is measured.
struct Measure {
  double v_seconds = 0;   // ∫ v dt
  double a_seconds = 0;   // ∫ i dt
  double a2_seconds = 0;  // ∫ i² dt
  double on_seconds = 0;  // time with i > 0
  double v_min = 0;
  double v_max = 0;
  double peak_a = 0;
  std::vector<RectifierSample> samples;
};

// One half-cycle of the circuit, stepped in equal steps. While the diodes
// conduct, v follows dv/dt = (s - v) / RC - Idc / C, which is solved exactly
// over a step with the source s taken as linear in it: stable however small
// RC is against the step. A diode turning on or off inside a step splits it
// where s - v crosses 0.
class HalfCycle {
 public:
  HalfCycle(const ChargingPath& path, const DcLoad& load, int steps)
      : steps_(steps),
        step_s_(1 / (2 * kMainsFrequencyHz) / steps),
        ohm_(path.series_ohm),
        load_a_(load.idc_a),
        farads_(load.capacitance_uf * 1e-6),
        tau_s_(ohm_ * farads_),
        drop_per_step_v_(load_a_ * step_s_ / farads_) {
    const double peak_v = std::numbers::sqrt2 * path.emf_v;
    source_v_.resize(steps + 1);
    for (int k = 0; k <= steps; ++k) {
      source_v_[k] =
          peak_v * std::sin(std::numbers::pi * k / steps) - PathDropV(load);
    }
    source_v_[steps] = -PathDropV(load);  // sin π is not quite 0
    Weights(step_s_, full_gain_, full_ramp_);
  }

  double duration_s() const { return steps_ * step_s_; }

  // v at the end of a half-cycle begun at v, or nothing where v fell to 0.
  std::optional<double> Run(double v, Measure* measure) const {
    const int stride = steps_ / kPlotIntervals;
    if (measure) {
      measure->v_min = measure->v_max = v;
      Sample(0, v, measure);
    }
    for (int k = 0; k < steps_; ++k) {
      v = Step(v, source_v_[k], source_v_[k + 1], measure);
      if (!(v > 0)) return std::nullopt;
      if (measure && (k + 1) % stride == 0) Sample(k + 1, v, measure);
    }
    return v;
  }

 private:
  // For charging over dt: v moves by (u - v) × gain + (source change) × ramp.
  void Weights(double dt, double& gain, double& ramp) const {
    gain = -std::expm1(-dt / tau_s_);
    ramp = (dt - tau_s_ * gain) / dt;
  }

  double Charge(double v, double s0, double s1, double gain,
                double ramp) const {
    return v + (s0 - ohm_ * load_a_ - v) * gain + (s1 - s0) * ramp;
  }

  double Step(double v, double s0, double s1, Measure* m) const {
    const double d0 = s0 - v;
    if (d0 > 0) {
      const double v1 = Charge(v, s0, s1, full_gain_, full_ramp_);
      const double d1 = s1 - v1;
      if (d1 >= 0) {
        Segment(step_s_, v, v1, d0 / ohm_, d1 / ohm_, true, m);
        return v1;
      }
      // The current ends inside the step, where v has caught up with s.
      const double f = d0 / (d0 - d1);
      const double v_off = s0 + f * (s1 - s0);
      const double v_end = v_off - load_a_ * (1 - f) * step_s_ / farads_;
      Segment(f * step_s_, v, v_off, d0 / ohm_, 0, true, m);
      Segment((1 - f) * step_s_, v_off, v_end, 0, 0, false, m);
      return v_end;
    }
    const double v1 = v - drop_per_step_v_;
    const double d1 = s1 - v1;
    if (d1 <= 0) {
      Segment(step_s_, v, v1, 0, 0, false, m);
      return v1;
    }
    // The source overtakes v inside the step: charging from there on.
    const double f = -d0 / (d1 - d0);
    const double v_on = v - f * drop_per_step_v_;
    const double rest_s = (1 - f) * step_s_;
    double gain = 0;
    double ramp = 0;
    Weights(rest_s, gain, ramp);
    const double v_end = Charge(v_on, s0 + f * (s1 - s0), s1, gain, ramp);
    Segment(f * step_s_, v, v_on, 0, 0, false, m);
    Segment(rest_s, v_on, v_end, 0, std::max(0.0, (s1 - v_end) / ohm_), true,
            m);
    return v_end;
  }

  // Adds a piece over which v and i are taken as linear.
  static void Segment(double dt, double v0, double v1, double i0, double i1,
                      bool on, Measure* m) {
    if (!m) return;
    m->v_seconds += dt * (v0 + v1) / 2;
    m->a_seconds += dt * (i0 + i1) / 2;
    m->a2_seconds += dt * (i0 * i0 + i0 * i1 + i1 * i1) / 3;
    if (on) m->on_seconds += dt;
    m->v_min = std::min(m->v_min, v1);
    m->v_max = std::max(m->v_max, v1);
    m->peak_a = std::max({m->peak_a, i0, i1});
  }

  void Sample(int k, double v, Measure* m) const {
    const double s = source_v_[k];
    m->samples.push_back(
        {180.0 * k / steps_, s, v, std::max(0.0, (s - v) / ohm_)});
  }

  int steps_;
  double step_s_;
  double ohm_;
  double load_a_;
  double farads_;
  double tau_s_;
  double drop_per_step_v_;  // the load's discharge over one step
  double full_gain_ = 0;
  double full_ramp_ = 0;
  std::vector<double> source_v_;  // s at each step's boundary
};

// Half-cycles that converge slowly (a large C behind a large R) shrink their
// change by a near-constant ratio each time; three such in a row predict
// where they end, and the run goes on from there. A guess that overshoots
// only turns the approach round, the stopping rule is still met by a plain
// half-cycle, and a guess that would empty the capacitor is taken back and
// the next guesses go half as far.
class SteadyStateSearch {
 public:
  explicit SteadyStateSearch(double v) : history_{v} {}

  // The start of the next half-cycle, after the last one ended at `end`.
  double Next(double end) {
    history_.push_back(end);
    if (history_.size() > 3) history_.erase(history_.begin());
    if (reach_ < kShortestReach || history_.size() < 3) return end;
    const double a = history_[history_.size() - 3];
    const double b = history_[history_.size() - 2];
    const double ratio = (end - b) / (b - a);
    if (!(ratio > 0.5 && ratio < 0.999)) return end;
    const double guess = end + reach_ * (end - b) * ratio / (1 - ratio);
    if (!(guess > 0) || !std::isfinite(guess)) return end;
    fallback_v_ = end;
    guessed_ = true;
    history_ = {guess};
    return guess;
  }

  // The run from a guess emptied the capacitor: from the last plain end,
  // guessing less boldly; none where there was no guess.
  std::optional<double> TakeBack() {
    if (!guessed_) return std::nullopt;
    const double v = fallback_v_;
    guessed_ = false;
    reach_ /= 2;
    history_ = {v};
    return v;
  }

  // The last half-cycle ended normally: a guess it started from held.
  void Confirm() { guessed_ = false; }

 private:
  std::vector<double> history_;
  // A plain flag and value: GCC 12's Release build takes an optional here
  // for uninitialized.
  bool guessed_ = false;   // the last start was a guess
  double fallback_v_ = 0;  // the plain end it was made from
  double reach_ = 1;       // of the predicted distance to the end
  static constexpr double kShortestReach = 1.0 / 16;
};

RectifierSteadyState Summarize(const Measure& m, double duration_s,
                               RectifierKind kind, int half_cycles) {
  RectifierSteadyState result;
  result.vdc_v = m.v_seconds / duration_s;
  result.ripple_v = m.v_max - m.v_min;
  result.peak_a = m.peak_a;
  result.conduction_deg = 180 * m.on_seconds / duration_s;
  // Each half of a full-wave winding carries every other pulse.
  const double rms_a = std::sqrt(m.a2_seconds / duration_s);
  result.winding_rms_a =
      kind == RectifierKind::kFullWave ? rms_a / std::numbers::sqrt2 : rms_a;
  result.mean_diode_a = m.a_seconds / duration_s;
  result.half_cycles = half_cycles;
  result.half_cycle = m.samples;
  return result;
}

bool AllFinite(const RectifierSteadyState& r) {
  return std::isfinite(r.vdc_v) && std::isfinite(r.ripple_v) &&
         std::isfinite(r.peak_a) && std::isfinite(r.conduction_deg) &&
         std::isfinite(r.winding_rms_a) && std::isfinite(r.mean_diode_a);
}

}  // namespace

ChargingPath PathOf(RectifierKind kind, const WindingSource& source) {
  // The primary's resistance referred by the square of the turns ratio of
  // the part of the winding that conducts.
  const double share = IsCentreTapped(kind) ? 0.5 : 1.0;
  const double ratio = share * source.turns / source.primary_turns;
  return {share * source.emf_v,
          share * source.r75_ohm + source.primary_r75_ohm * ratio * ratio};
}

RectifierOutcome SimulateRectifier(const DcLoad& load,
                                   const WindingSource& source,
                                   const RectifierNumerics& numerics) {
  if (auto failure = CheckInputs(load, source, numerics)) return *failure;
  const ChargingPath path = PathOf(load.kind, source);
  const double peak_v = std::numbers::sqrt2 * path.emf_v;
  const double farads = load.capacitance_uf * 1e-6;
  if (!Positive(path.series_ohm) || !Positive(peak_v) ||
      !Positive(path.series_ohm * farads)) {
    return OutOfRange();
  }
  const RectifierFailure cannot_carry =
      Fail(RectifierFault::kCannotCarry,
           kRectifierTexts.Say(
               SPULIX_TEXT("Rectifier",
                           "绕组带不动 %1 安的直流负载：电容电压降到 0"),
               {Verbatim(FormatGeneral(load.idc_a))}));

  const int steps =
      std::max(1, (numerics.steps_per_half_cycle + kPlotIntervals - 1) /
                      kPlotIntervals) *
      kPlotIntervals;
  const HalfCycle half_cycle(path, load, steps);
  const double tolerance_v = 1e-7 * peak_v;
  double v = peak_v - PathDropV(load);
  if (!(v > 0)) return cannot_carry;

  SteadyStateSearch search(v);
  for (int run = 1; run <= numerics.max_half_cycles; ++run) {
    const std::optional<double> end = half_cycle.Run(v, nullptr);
    if (!end) {
      if (std::optional<double> back = search.TakeBack()) {
        v = *back;
        continue;
      }
      return cannot_carry;
    }
    search.Confirm();
    if (std::abs(*end - v) <= tolerance_v) {
      Measure measure;
      if (!half_cycle.Run(*end, &measure)) return cannot_carry;
      RectifierSteadyState result =
          Summarize(measure, half_cycle.duration_s(), load.kind, run);
      if (!AllFinite(result)) return OutOfRange();
      return result;
    }
    v = search.Next(*end);
  }
  return Fail(RectifierFault::kNoSteadyState,
              kRectifierTexts.Say(
                  SPULIX_TEXT("Rectifier", "整流电路在 %1 个半周内未达到稳态"),
                  {Verbatim(std::to_string(numerics.max_half_cycles))}));
}

}  // namespace spulix
