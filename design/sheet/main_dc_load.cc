// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/main_dc_load.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "design/design_calculation.h"
#include "design/memory_store.h"
#include "design/sheet/core_search.h"
#include "design/sheet/dc_winding.h"
#include "design/sheet/sheet_numbers.h"
#include "design/sheet/winding_sheet.h"

namespace spulix {
namespace {

using sheet::kWindingSheetTexts;

bool HasOwnCore(const FieldTexts& design) {
  return !std::ranges::all_of(
      std::array{Field::kWindowHeight, Field::kWindowWidth,
                 Field::kTongueWidth},
      [&design](Field field) { return IsEmptyText(design[field]); });
}

}  // namespace

FieldTexts WithU2AndP2(const FieldTexts& design, const std::string& u2,
                       const std::string& p2) {
  MemoryStore store;
  store.LoadTexts(design);
  store.SetText(Field::kOutputVoltage, u2);
  // P2 unchanged runs no reaction: the calculation then runs as 刷新 does.
  if (!store.SetText(Field::kOutputPower, p2)) CalculateDesign(store);
  return store.texts();
}

MainDcOutcome SolveMainDcLoad(const FieldTexts& design,
                              const SheetChoices& choices,
                              const std::vector<CoreEntry>& cores) {
  const UserText name = WindingName(1);
  DcLoadRead read = ReadDcLoad(choices.secondaries.main().load, name);
  if (auto* reason = std::get_if<UserText>(&read)) return std::move(*reason);
  MainDcSolution solution;
  solution.figures = std::move(std::get<DcWindingFigures>(read));
  const DcLoad& load = solution.figures.load;
  SheetChoices wound = choices;
  // Wound as an AC winding of the request's U and I: the rectifier is
  // simulated here, once per round.
  wound.secondaries.main().center_tap = IsCentreTapped(load.kind);
  wound.secondaries.main().load = SecondaryLoad();
  const bool own_core = HasOwnCore(design);
  const BuildWinding build =
      [&](const WindingRequest& request) -> WindingBuild {
    const FieldTexts texts =
        WithU2AndP2(design, request.voltage_text, request.power_text);
    SheetOutcome outcome;
    if (own_core) {
      solution.core = "h c a";
      outcome = ComputeWindingSheet(texts, wound);
    } else {
      const std::optional<std::size_t> index =
          RecommendCore(texts, wound, cores);
      if (!index) {
        return kWindingSheetTexts.Say(SPULIX_TEXT(
            "WindingSheet", "按直流负载求 U2、P2：目录中没有铁心绕得下"));
      }
      solution.core = cores[*index].name;
      outcome = WindingSheetWithCore(texts, wound, cores[*index]);
    }
    if (auto* reason = std::get_if<UserText>(&outcome)) {
      return std::move(*reason);
    }
    return SourceOf(std::get<WindingSheet>(outcome), 1);
  };
  DcSolveOutcome solved = SolveDcLoad(load, build);
  if (auto* failure = std::get_if<DcSolveFailure>(&solved)) {
    return kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1：%2"),
                                  {name, std::move(failure->reason)});
  }
  DcSolution& found = std::get<DcSolution>(solved);
  solution.u2_text = found.winding.voltage_text;
  solution.p2_text = found.winding.power_text;
  solution.winding_rms_a = found.winding.current_a;
  solution.rounds = found.rounds;
  solution.figures.result = std::move(found.rectifier);
  return solution;
}

}  // namespace spulix
