// SPDX-License-Identifier: GPL-3.0-or-later
// The core in hand and the stack as built, by the laws that tie them to
// the sheet: the rating is the largest power a scan of the sheet itself
// finds, the stack as built keeps the calculation's flux density, and a
// core builds only on a stack a bobbin takes.
#include "design/sheet/core_rating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <variant>

#include "design/memory_store.h"
#include "design/parts/core_catalogue.h"
#include "design/parts/core_selection.h"
#include "design/sheet/core_search.h"
#include "design/sheet/winding_sheet.h"
#include "tests/design/store_helpers.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::SetAll;

const CoreEntry& Core(const std::string& name) {
  static const CoreCatalogue catalogue;
  return catalogue.cores()[catalogue.FindByName(name).value()];
}

FieldTexts Voltages(const std::string& u2) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", u2}});
  return store.texts();
}

SheetChoices OnStack(const std::string& stack_mm) {
  SheetChoices choices;
  choices.stack_mm = stack_mm;
  return choices;
}

// The sheet of the core at a power, the core put in as 使用 does.
std::optional<WindingSheet> SheetAt(const FieldTexts& design,
                                    const SheetChoices& choices,
                                    const CoreEntry& core, int watts) {
  MemoryStore store;
  store.LoadTexts(design);
  FillCore(store, core);
  store.SetText(Field::kOutputPower, std::to_string(watts));
  if (store.Text(Field::kOutputPower) != std::to_string(watts)) {
    return std::nullopt;
  }
  SheetOutcome outcome = ComputeWindingSheet(store.texts(), choices);
  if (auto* sheet = std::get_if<WindingSheet>(&outcome)) return *sheet;
  return std::nullopt;
}

struct RatingCase {
  std::string core;
  std::string u2;
  std::string stack_mm;
};

void PrintTo(const RatingCase& c, std::ostream* os) {
  *os << c.core << " " << c.u2 << "V " << c.stack_mm << "mm";
}

class CoreRatingCases : public testing::TestWithParam<RatingCase> {};

TEST_P(CoreRatingCases, IsTheLargestPowerWhoseSheetFits) {
  const RatingCase& c = GetParam();
  const FieldTexts design = Voltages(c.u2);
  const SheetChoices choices = OnStack(c.stack_mm);
  const CoreRating rating = RateCore(design, choices, Core(c.core));
  ASSERT_TRUE(rating.p2_w.has_value()) << Compose(rating.why_none);
  const std::optional<WindingSheet> at =
      SheetAt(design, choices, Core(c.core), *rating.p2_w);
  ASSERT_TRUE(at.has_value());
  EXPECT_TRUE(at->fits);
  EXPECT_TRUE(at->stack_as_built);
  // Nothing above it fits, up to the end of the calculation's table.
  for (int watts = *rating.p2_w + 1; watts <= rating.largest_tried_w; ++watts) {
    const std::optional<WindingSheet> above =
        SheetAt(design, choices, Core(c.core), watts);
    ASSERT_FALSE(above && above->fits) << watts << " W fits too";
  }
}

INSTANTIATE_TEST_SUITE_P(Cores, CoreRatingCases,
                         testing::Values(RatingCase{"EI-96", "24", "50"},
                                         RatingCase{"EI-114", "24", "38"},
                                         RatingCase{"EI-57", "12", "19"},
                                         RatingCase{"EI-133", "36", "60"},
                                         RatingCase{"EI-192", "48", "80"}),
                         testing_support::ReadableName());

TEST(CoreRating, AWindowTooNarrowForAnyPowerSaysSo) {
  // A core one twentieth of a millimetre wide takes no coil at all.
  CoreEntry sliver{"sliver", 32, 0.05, 48, false};
  const CoreRating rating = RateCore(Voltages("24"), OnStack("40"), sliver);
  EXPECT_FALSE(rating.p2_w.has_value());
  EXPECT_GT(rating.largest_tried_w, 100);
  EXPECT_NE(Compose(rating.why_none).find("窗口太窄"), std::string::npos);
}

TEST(CoreRating, WithoutVoltagesNamesWhatIsMissing) {
  const CoreRating rating = RateCore({}, OnStack("40"), Core("EI-96"));
  EXPECT_FALSE(rating.p2_w.has_value());
  EXPECT_FALSE(Compose(rating.why_none).empty());
}

// Whatever the stack, the turns are counted for the calculation's flux
// density of 1.0 T; only N0's two decimals and the primary's two extra
// turns move it.
class StackAsBuilt : public testing::TestWithParam<const char*> {};

TEST_P(StackAsBuilt, KeepsTheFluxDensityOfTheCalculation) {
  const std::optional<WindingSheet> sheet =
      SheetAt(Voltages("24"), OnStack(GetParam()), Core("EI-96"), 80);
  ASSERT_TRUE(sheet.has_value());
  EXPECT_DOUBLE_EQ(sheet->b_mm, std::stod(GetParam()));
  EXPECT_DOUBLE_EQ(sheet->section_cm2, 0.9 * 32 * sheet->b_mm / 100);
  const double n0 = 45 / sheet->section_cm2;
  const double rounding = 0.005 / n0 + 2.5 / sheet->windings[0].turns;
  EXPECT_NEAR(sheet->flux_t, 1.0, 0.002 + rounding);
  EXPECT_TRUE(sheet->stack_as_built);
}

TEST_P(StackAsBuilt, ChangesTheTurnsButNotTheWires) {
  const FieldTexts design = Voltages("24");
  const std::optional<WindingSheet> calculated =
      SheetAt(design, {}, Core("EI-96"), 80);
  const std::optional<WindingSheet> built =
      SheetAt(design, OnStack(GetParam()), Core("EI-96"), 80);
  ASSERT_TRUE(calculated && built);
  for (std::size_t k = 0; k < built->windings.size(); ++k) {
    EXPECT_EQ(built->windings[k].d, calculated->windings[k].d);
  }
  // A taller stack than calculated needs fewer turns, a lower one more.
  const double ratio = built->b_mm / calculated->b_mm;
  if (ratio > 1.01) {
    EXPECT_LT(built->windings[0].turns, calculated->windings[0].turns);
  } else if (ratio < 0.99) {
    EXPECT_GT(built->windings[0].turns, calculated->windings[0].turns);
  }
}

INSTANTIATE_TEST_SUITE_P(Stacks, StackAsBuilt,
                         testing::Values("20", "32", "40", "64.5"));

TEST(StackAsBuilt, ThatIsNoNumberStopsTheSheetWithItsName) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", "24"}});
  FillCore(store, Core("EI-96"));
  store.SetText(Field::kOutputPower, "80");
  const SheetOutcome outcome =
      ComputeWindingSheet(store.texts(), OnStack("4o"));
  ASSERT_TRUE(std::holds_alternative<UserText>(outcome));
  EXPECT_NE(Compose(std::get<UserText>(outcome)).find("实际迭厚"),
            std::string::npos);
}

TEST(StackRule, ACoreBuildsOnlyOnAStackABobbinTakes) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", "12"}, {"P2", "5"}});
  const CoreCatalogue catalogue;
  const SheetCoreSelection judged =
      JudgeCoresBySheet(store.texts(), {}, catalogue.cores());
  bool some_too_tall = false;
  for (const SheetCoreResult& result : judged.results) {
    if (!result.coil_mm) continue;
    ASSERT_TRUE(result.stack_ratio.has_value());
    EXPECT_EQ(result.builds,
              result.coil_fits && *result.stack_ratio <= kMaxStackToTongue);
    some_too_tall |= result.coil_fits && !result.builds;
  }
  // At 5 W the smallest cores' stacks are far taller than their tongues.
  EXPECT_TRUE(some_too_tall);
  ASSERT_TRUE(judged.smallest_buildable.has_value());
  EXPECT_TRUE(judged.results[*judged.smallest_buildable].builds);
}

}  // namespace
}  // namespace spulix
