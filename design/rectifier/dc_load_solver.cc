// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/rectifier/dc_load_solver.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <utility>

namespace spulix {
namespace {

constexpr double kVdcTolerance = 0.005;  // of Udc
constexpr double kCurrentTolerance = 0.01;
constexpr double kSmallestVoltageV = 0.1;  // one decimal's step

constexpr TextContext kRectifierTexts{"Rectifier"};

std::string OneDecimal(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, 1);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

// Met when the winding gives the DC voltage wanted and was built for the
// current it carries.
bool Settled(const DcLoad& load, const WindingSource& source,
             const WindingRequest& used, const RectifierSteadyState& result) {
  // One turn more or fewer moves the peak of the source by this much.
  const double turn_peak_v =
      std::numbers::sqrt2 * source.emf_v / std::max(1, source.turns);
  const double voltage_tolerance_v =
      std::max(kVdcTolerance * load.udc_v, turn_peak_v);
  return std::abs(result.vdc_v - load.udc_v) <= voltage_tolerance_v &&
         std::abs(result.winding_rms_a - used.current_a) <=
             kCurrentTolerance * used.current_a;
}

}  // namespace

long long WholeWatts(double u_v, double i_a) { return std::llround(u_v * i_a); }

WindingRequest MakeRequest(double u_v, double i_a) {
  const double rounded = std::max(kSmallestVoltageV, std::round(u_v * 10) / 10);
  return {OneDecimal(rounded), rounded, i_a,
          std::to_string(WholeWatts(rounded, i_a))};
}

WindingRequest FirstRequest(const DcLoad& load) {
  const double ends = IsCentreTapped(load.kind) ? 2 : 1;
  return MakeRequest(
      ends * (load.udc_v + PathDropV(load)) / std::numbers::sqrt2,
      1.8 * load.idc_a);
}

DcSolveOutcome SolveDcLoad(const DcLoad& load, const BuildWinding& build) {
  if (!(load.udc_v > 0) || !std::isfinite(load.udc_v)) {
    return DcSolveFailure{
        DcSolveFault::kRectifier,
        kRectifierTexts.Say(
            SPULIX_TEXT("Rectifier", "整流计算：%1必须大于 0"),
            {kRectifierTexts.Say(SPULIX_TEXT("Rectifier", "直流电压"))}),
        0};
  }
  WindingRequest request = FirstRequest(load);
  for (int round = 1; round <= kMaxDcRounds; ++round) {
    WindingBuild winding = build(request);
    if (auto* reason = std::get_if<UserText>(&winding)) {
      return DcSolveFailure{DcSolveFault::kWinding, std::move(*reason), round};
    }
    const WindingSource& source = std::get<WindingSource>(winding);
    RectifierOutcome outcome = SimulateRectifier(load, source);
    if (auto* failure = std::get_if<RectifierFailure>(&outcome)) {
      return DcSolveFailure{DcSolveFault::kRectifier,
                            std::move(failure->reason), round};
    }
    RectifierSteadyState& result = std::get<RectifierSteadyState>(outcome);
    if (Settled(load, source, request, result)) {
      WindingRequest found =
          MakeRequest(request.voltage_v, result.winding_rms_a);
      return DcSolution{std::move(found), round, std::move(result)};
    }
    const double drops = PathDropV(load);
    request = MakeRequest(
        request.voltage_v * (load.udc_v + drops) / (result.vdc_v + drops),
        result.winding_rms_a);
  }
  return DcSolveFailure{
      DcSolveFault::kDoesNotSettle,
      kRectifierTexts.Say(
          SPULIX_TEXT("Rectifier", "按直流负载求绕组电压、电流：%1 轮内未收敛"),
          {Verbatim(std::to_string(kMaxDcRounds))}),
      kMaxDcRounds};
}

}  // namespace spulix
