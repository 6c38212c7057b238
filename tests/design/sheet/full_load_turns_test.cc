// SPDX-License-Identifier: GPL-3.0-or-later
// Turns for the full-load voltage: each AC secondary reaches its U at full
// load with the fewest turns that do, checked by winding one step fewer
// on the sheet itself; and the flag that offers the choice.
#include "design/sheet/full_load_turns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "design/memory_store.h"
#include "design/sheet/winding_sheet.h"
#include "tests/design/sheet/sheet_designs.h"
#include "tests/design/store_helpers.h"

namespace spulix {
namespace {

using testing_support::SetAll;
using testing_support::SheetDesignInput;
using testing_support::SheetDesignInputOf;

WindingSheet SheetOf(const SheetDesignInput& input) {
  SheetOutcome outcome = ComputeWindingSheet(input.texts, input.choices);
  if (auto* reason = std::get_if<UserText>(&outcome)) {
    ADD_FAILURE() << Compose(*reason);
    return {};
  }
  return std::get<WindingSheet>(outcome);
}

bool Reaches(const SheetWinding& w) {
  return *w.full_load_v >= w.voltage_v - 1e-9;
}

bool HasNote(const WindingSheet& sheet, const std::string& part) {
  return std::ranges::any_of(sheet.notes, [&](const UserText& note) {
    return Compose(note).find(part) != std::string::npos;
  });
}

// The small transformer whose resistance eats its 5 % and more.
SheetDesignInput Small() {
  MemoryStore store;
  SetAll(store, {{"U1", "220"},
                 {"U2", "12"},
                 {"h", "24"},
                 {"c", "8"},
                 {"a", "16"},
                 {"P2", "10"}});
  return {CopyTexts(store), {}};
}

class FullLoadTurnsTest : public ::testing::TestWithParam<std::string> {
 protected:
  SheetDesignInput Input() const {
    return GetParam() == "small" ? Small() : SheetDesignInputOf(GetParam());
  }
};

TEST_P(FullLoadTurnsTest, EachSecondaryReachesItsVoltageWithTheFewestTurns) {
  SheetDesignInput input = Input();
  input.choices.full_load_turns = true;
  const WindingSheet sheet = SheetOf(input);
  ASSERT_GE(sheet.windings.size(), 2u);
  std::vector<int> turns;
  for (std::size_t k = 1; k < sheet.windings.size(); ++k) {
    turns.push_back(sheet.windings[k].turns);
  }
  for (std::size_t k = 1; k < sheet.windings.size(); ++k) {
    const SheetWinding& w = sheet.windings[k];
    SCOPED_TRACE(w.name);
    EXPECT_TRUE(Reaches(w)) << *w.full_load_v << " V for " << w.voltage_v;
    // A tap halves the winding: its turns come in pairs.
    const int step = w.tap ? 2 : 1;
    if (w.tap) {
      EXPECT_EQ(w.turns % 2, 0);
    }
    std::vector<int> fewer = turns;
    fewer[k - 1] -= step;
    SheetOutcome less =
        ComputeSheetWithTurns(input.texts, input.choices, fewer);
    ASSERT_TRUE(std::holds_alternative<WindingSheet>(less));
    EXPECT_FALSE(Reaches(std::get<WindingSheet>(less).windings[k]))
        << "one step fewer still reaches " << w.voltage_v << " V";
  }
}

TEST_P(FullLoadTurnsTest, ChangedTurnsAreNamedAndLowVoltagesFlagged) {
  SheetDesignInput input = Input();
  const WindingSheet counted = SheetOf(input);
  input.choices.full_load_turns = true;
  const WindingSheet found = SheetOf(input);
  bool any_changed = false;
  for (std::size_t k = 1; k < counted.windings.size(); ++k) {
    const SheetWinding& w = counted.windings[k];
    any_changed |= found.windings[k].turns != w.turns;
    const bool low = *w.full_load_v < (1 - kLowFullLoadShare) * w.voltage_v;
    EXPECT_EQ(HasNote(counted, w.name + " 满载电压"), low) << w.name;
  }
  EXPECT_EQ(HasNote(found, "按满载电压定匝数："), any_changed);
  EXPECT_FALSE(HasNote(found, "可选“按满载电压定匝数”"));
}

INSTANTIATE_TEST_SUITE_P(Designs, FullLoadTurnsTest,
                         ::testing::Values("small", "single", "centre_tapped",
                                           "stranded", "extras", "five"));

TEST(FullLoadTurns, TheSmallTransformerGetsMoreTurnsThanTheCalculation) {
  SheetDesignInput input = Small();
  const WindingSheet counted = SheetOf(input);
  input.choices.full_load_turns = true;
  const WindingSheet found = SheetOf(input);
  // The resistance of 10 W windings takes more than the 5 % allowance.
  EXPECT_LT(*counted.windings[1].full_load_v, counted.windings[1].voltage_v);
  EXPECT_GT(found.windings[1].turns, counted.windings[1].turns);
  // The primary and the core are the calculation's either way.
  EXPECT_EQ(found.windings[0].turns, counted.windings[0].turns);
  EXPECT_EQ(found.section_cm2, counted.section_cm2);
}

TEST(FullLoadTurns, ADcWindingKeepsTheTurnsItsRectifierWasSolvedWith) {
  SheetDesignInput input = SheetDesignInputOf("extras");
  Secondary dc("", "");
  dc.load.kind = LoadKind::kBridge;
  dc.load.udc = "15";
  dc.load.idc = "0.5";
  input.choices.secondaries.AddExtra(dc);
  const WindingSheet counted = SheetOf(input);
  input.choices.full_load_turns = true;
  const WindingSheet found = SheetOf(input);
  ASSERT_EQ(found.windings.size(), counted.windings.size());
  const std::size_t last = found.windings.size() - 1;
  ASSERT_TRUE(found.windings[last].dc.has_value());
  // Its turns follow from the rectifier's solve, not from this choice.
  EXPECT_NEAR(found.windings[last].turns, counted.windings[last].turns, 1);
}

}  // namespace
}  // namespace spulix
