// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/full_load_turns.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <variant>
#include <vector>

#include "design/sheet/sheet_numbers.h"
#include "design/transformer_design.h"

namespace spulix {
namespace {

// Rounds of jumping to the estimate; the turn lengths of later windings
// follow the earlier windings' thickness, so an estimate can move twice.
constexpr int kEstimateRounds = 4;
// Single steps per winding when settling exactly; the estimate lands
// within one or two.
constexpr int kMaxSteps = 64;
constexpr double kSlack = 1e-9;

// A secondary whose turns are found: its place in the sheet and its step
// (2 for a centre-tapped winding, whose halves stay equal).
struct Target {
  std::size_t index = 0;  // in the sheet's windings, 次级1 is 1
  int step = 1;
};

std::vector<Target> TargetsOf(const WindingSheet& sheet,
                              const SheetChoices& choices) {
  std::vector<Target> targets;
  const auto all = choices.secondaries.all();
  for (std::size_t k = 1; k < sheet.windings.size() && k <= all.size(); ++k) {
    if (all[k - 1].load.kind != LoadKind::kAc) continue;
    targets.push_back({k, sheet.windings[k].tap ? 2 : 1});
  }
  return targets;
}

bool Reaches(const SheetWinding& w) {
  return w.full_load_v.value_or(0) >= w.voltage_v - kSlack;
}

// The full-load voltage grows almost in proportion to the turns, so the
// turns that give U follow from the voltage per turn as wound.
int EstimatedTurns(const SheetWinding& w, int step) {
  const double per_turn = w.full_load_v.value_or(0) / w.turns;
  if (!(per_turn > 0)) return w.turns;
  const double needed = w.voltage_v / per_turn / step - kSlack;
  if (!(needed < 32767.0 / step)) return w.turns;
  return std::max(step, static_cast<int>(std::ceil(needed)) * step);
}

class TurnsFinder {
 public:
  TurnsFinder(const FieldTexts& design, const SheetChoices& choices)
      : design_(design), choices_(choices) {}

  SheetOutcome Find() {
    if (!Wind()) return std::move(outcome_);
    const WindingSheet calculated = Sheet();
    const std::vector<Target> targets = TargetsOf(calculated, choices_);
    turns_.assign(choices_.secondaries.size(), 0);
    for (const Target& t : targets)
      turns_[t.index - 1] = Sheet().windings[t.index].turns;
    for (int round = 0; round < kEstimateRounds; ++round) {
      bool moved = false;
      for (const Target& t : targets) {
        const int estimate = EstimatedTurns(Sheet().windings[t.index], t.step);
        moved |= std::exchange(turns_[t.index - 1], estimate) != estimate;
      }
      if (!moved) break;
      if (!Wind()) return std::move(outcome_);
    }
    for (const Target& t : targets) {
      if (!Settle(t)) return std::move(outcome_);
    }
    // Settling a later winding never lengthens an earlier one's turn, but
    // an earlier one's extra turn may have lengthened a later one's.
    for (const Target& t : targets) {
      if (!Settle(t)) return std::move(outcome_);
    }
    WindingSheet sheet = Sheet();
    NoteTurns(sheet, calculated, targets);
    return sheet;
  }

 private:
  const WindingSheet& Sheet() const { return std::get<WindingSheet>(outcome_); }
  bool Wind() {
    outcome_ = ComputeSheetWithTurns(design_, choices_, turns_);
    return std::holds_alternative<WindingSheet>(outcome_);
  }

  // One step up while short of U, one step down while that still reaches.
  bool Settle(const Target& t) {
    int& turns = turns_[t.index - 1];
    for (int n = 0; n < kMaxSteps && !Reaches(Sheet().windings[t.index]); ++n) {
      turns += t.step;
      if (!Wind()) return false;
    }
    for (int n = 0; n < kMaxSteps && turns > t.step; ++n) {
      SheetOutcome kept = std::move(outcome_);
      turns -= t.step;
      if (Wind() && Reaches(Sheet().windings[t.index])) continue;
      turns += t.step;
      outcome_ = std::move(kept);
      break;
    }
    return true;
  }

  void NoteTurns(WindingSheet& sheet, const WindingSheet& calculated,
                 const std::vector<Target>& targets) const {
    std::vector<UserText> changed;
    for (const Target& t : targets) {
      const SheetWinding& now = sheet.windings[t.index];
      const int before = calculated.windings[t.index].turns;
      if (now.turns == before) continue;
      changed.push_back(sheet::kWindingSheetTexts.Say(
          SPULIX_TEXT("WindingSheet", "%1 %2 匝（主窗口 %3 匝）"),
          {WindingName(t.index), sheet::Figure(now.turns),
           sheet::Figure(before)}));
    }
    if (changed.empty()) return;
    sheet.notes.push_back(sheet::kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet",
                    "按满载电压定匝数：%1，满载时达到所要的电压，与主窗口的"
                    "匝数不同"),
        {Joined(changed, sheet::kWindingSheetTexts.Say(
                             SPULIX_TEXT("WindingSheet", "，")))}));
  }

  const FieldTexts& design_;
  const SheetChoices& choices_;
  std::vector<int> turns_;
  SheetOutcome outcome_;
};

}  // namespace

SheetOutcome SheetWithFullLoadTurns(const FieldTexts& design,
                                    const SheetChoices& choices) {
  return TurnsFinder(design, choices).Find();
}

void NoteLowFullLoadVoltage(WindingSheet& sheet, const SheetChoices& choices) {
  for (const Target& t : TargetsOf(sheet, choices)) {
    const SheetWinding& w = sheet.windings[t.index];
    const double shortfall = 1 - w.full_load_v.value_or(0) / w.voltage_v;
    if (!(shortfall > kLowFullLoadShare)) continue;
    sheet.notes.push_back(sheet::kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet",
                    "%1 满载电压 %2 伏，比所要的 %3 伏低 %4%：可选“按满载电压"
                    "定匝数”"),
        {WindingName(t.index),
         Verbatim(
             FormatPattern(w.full_load_v.value_or(0), Pattern::kTwoDecimals)),
         Verbatim(FormatGeneral(w.voltage_v)),
         Verbatim(FormatPattern(100 * shortfall, Pattern::kOneDecimal))}));
  }
}

}  // namespace spulix
