// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/dc_winding.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <utility>
#include <vector>

#include "design/rectifier/reservoir_capacitor.h"
#include "design/sheet/sheet_numbers.h"

namespace spulix {
namespace {

using sheet::CannotCompute;
using sheet::kWindingSheetTexts;
using sheet::Need;
using sheet::Number;
using sheet::Source;

// The current as a person would type it, to three significant digits
// (within 0.5 %, well inside the solve's 1 %), so the sheet's totals read
// as typed ones do.
std::string CurrentText(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::general, 3);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

void PutRequest(Secondary& extra, const WindingRequest& request) {
  extra.voltage = request.voltage_text;
  extra.current = CurrentText(request.current_a);
}

}  // namespace

std::optional<RectifierKind> RectifierOf(LoadKind kind) {
  switch (kind) {
    case LoadKind::kAc:
      break;
    case LoadKind::kBridge:
      return RectifierKind::kBridge;
    case LoadKind::kFullWave:
      return RectifierKind::kFullWave;
    case LoadKind::kSplit:
      return RectifierKind::kSplit;
  }
  return std::nullopt;
}

const char* LoadKindKey(LoadKind kind) {
  switch (kind) {
    case LoadKind::kAc:
      break;
    case LoadKind::kBridge:
      return "bridge";
    case LoadKind::kFullWave:
      return "fullwave";
    case LoadKind::kSplit:
      return "split";
  }
  return "ac";
}

std::optional<LoadKind> LoadKindFromKey(std::string_view key) {
  for (LoadKind kind : {LoadKind::kAc, LoadKind::kBridge, LoadKind::kFullWave,
                        LoadKind::kSplit}) {
    if (key == LoadKindKey(kind)) return kind;
  }
  return std::nullopt;
}

bool HasDcLoad(const SheetChoices& choices) {
  return std::ranges::any_of(choices.secondaries.all(),
                             [](const Secondary& secondary) {
                               return secondary.load.kind != LoadKind::kAc;
                             });
}

DcLoadRead ReadDcLoad(const SecondaryLoad& load, const UserText& winding) {
  const std::optional<RectifierKind> kind = RectifierOf(load.kind);
  if (!kind) {
    return kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet", "%1：不是直流负载"), {winding});
  }
  const auto named = [&winding](const char* pattern) {
    return [&winding, pattern] {
      return kWindingSheetTexts.Say(pattern, {winding});
    };
  };
  DcWindingFigures figures;
  figures.load.kind = *kind;
  try {
    figures.load.udc_v =
        Number(load.udc, named(SPULIX_TEXT("WindingSheet", "%1 的直流电压")),
               Source::kTyped, Need::kPositive);
    figures.load.idc_a =
        Number(load.idc, named(SPULIX_TEXT("WindingSheet", "%1 的直流电流")),
               Source::kTyped, Need::kPositive);
    if (IsEmptyText(load.c_uf)) {
      figures.default_capacitance = true;
      figures.load.capacitance_uf =
          DefaultCapacitanceUf(figures.load.udc_v, figures.load.idc_a)
              .value_or(0);
    } else {
      figures.load.capacitance_uf =
          Number(load.c_uf, named(SPULIX_TEXT("WindingSheet", "%1 的滤波电容")),
                 Source::kTyped, Need::kPositive);
    }
    if (IsEmptyText(load.vf)) {
      figures.default_drop = true;
      figures.load.diode_drop_v = kDefaultDiodeDropV;
    } else {
      figures.load.diode_drop_v =
          Number(load.vf, named(SPULIX_TEXT("WindingSheet", "%1 的二极管压降")),
                 Source::kTyped, Need::kNotNegative);
    }
  } catch (const CannotCompute& stop) {
    return stop.reason;
  }
  return figures;
}

WindingSource SourceOf(const WindingSheet& sheet, std::size_t index) {
  const SheetWinding& primary = sheet.windings.at(0);
  const SheetWinding& winding = sheet.windings.at(index);
  WindingSource source;
  source.emf_v = winding.no_load_v.value_or(0);
  source.r75_ohm = winding.r75_ohm;
  source.primary_r75_ohm = primary.r75_ohm;
  source.turns = winding.turns;
  source.primary_turns = primary.turns;
  return source;
}

DcChoices ChoicesForDcLoads(const FieldTexts& design,
                            const SheetChoices& choices, SheetAsTyped sheet) {
  SheetChoices wound = choices;
  Secondary& main = wound.secondaries.main();
  if (auto kind = RectifierOf(main.load.kind); kind && IsCentreTapped(*kind)) {
    main.center_tap = true;
  }
  // Every DC extra read and put at its first guess before any is found.
  std::vector<std::pair<std::size_t, DcLoad>> extras;
  for (std::size_t k = 0; k < wound.secondaries.extras().size(); ++k) {
    Secondary& extra = wound.secondaries.extras()[k];
    if (extra.load.kind == LoadKind::kAc) continue;
    DcLoadRead read = ReadDcLoad(extra.load, WindingName(k + 2));
    if (auto* reason = std::get_if<UserText>(&read)) return std::move(*reason);
    const DcLoad& load = std::get<DcWindingFigures>(read).load;
    extra.center_tap = IsCentreTapped(load.kind);
    PutRequest(extra, FirstRequest(load));
    extras.emplace_back(k, load);
  }
  for (const auto& [k, load] : extras) {
    // Lambdas may not name a structured binding (Clang, for the page).
    const std::size_t extra = k;
    const std::size_t index = k + 2;
    const BuildWinding build =
        [&](const WindingRequest& request) -> WindingBuild {
      SheetChoices trial = wound;
      PutRequest(trial.secondaries.extras()[extra], request);
      SheetOutcome outcome = sheet(design, trial);
      if (auto* reason = std::get_if<UserText>(&outcome)) {
        return std::move(*reason);
      }
      return SourceOf(std::get<WindingSheet>(outcome), index);
    };
    const DcSolveOutcome solved = SolveDcLoad(load, build);
    if (const auto* failure = std::get_if<DcSolveFailure>(&solved)) {
      return kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1：%2"),
                                    {WindingName(index), failure->reason});
    }
    PutRequest(wound.secondaries.extras()[k],
               std::get<DcSolution>(solved).winding);
  }
  return wound;
}

SheetOutcome SheetWithDcLoads(const FieldTexts& design,
                              const SheetChoices& choices, SheetAsTyped sheet) {
  DcChoices wound = ChoicesForDcLoads(design, choices, sheet);
  if (auto* reason = std::get_if<UserText>(&wound)) return std::move(*reason);
  SheetOutcome outcome = sheet(design, std::get<SheetChoices>(wound));
  auto* built = std::get_if<WindingSheet>(&outcome);
  if (!built) return outcome;
  const std::span<const Secondary> all = choices.secondaries.all();
  for (std::size_t k = 0; k < all.size(); ++k) {
    if (all[k].load.kind == LoadKind::kAc) continue;
    const std::size_t index = k + 1;
    DcLoadRead read = ReadDcLoad(all[k].load, WindingName(index));
    if (auto* reason = std::get_if<UserText>(&read)) return std::move(*reason);
    DcWindingFigures& figures = std::get<DcWindingFigures>(read);
    RectifierOutcome simulated =
        SimulateRectifier(figures.load, SourceOf(*built, index));
    if (auto* failure = std::get_if<RectifierFailure>(&simulated)) {
      figures.result = kWindingSheetTexts.Say(
          SPULIX_TEXT("WindingSheet", "%1：%2"),
          {WindingName(index), std::move(failure->reason)});
    } else {
      figures.result = std::move(std::get<RectifierSteadyState>(simulated));
    }
    built->windings.at(index).dc = std::move(figures);
  }
  return outcome;
}

}  // namespace spulix
