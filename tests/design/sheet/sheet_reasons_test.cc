// SPDX-License-Identifier: GPL-3.0-or-later
// What the sheet says where it cannot wind: the limit that emptied P2, the
// value out of range by its name, and extra secondaries whose cells do not
// read yet left out of the core search rather than the whole answer.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "design/design_commands.h"
#include "design/memory_store.h"
#include "design/parts/core_catalogue.h"
#include "design/sheet/core_search.h"
#include "design/sheet/extra_secondaries.h"
#include "design/sheet/winding_sheet.h"
#include "tests/design/store_helpers.h"

namespace spulix {
namespace {

using testing_support::SetAll;

std::string ReasonOf(const SheetOutcome& outcome) {
  const auto* reason = std::get_if<UserText>(&outcome);
  return reason ? Compose(*reason) : std::string();
}

// A fresh design with P2 typed last; answers P2 as the calculation left it.
std::string P2AfterTyping(const std::string& p2, FieldTexts* texts = nullptr) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"},
                 {"U2", "24"},
                 {"h", "90"},
                 {"c", "30"},
                 {"a", "60"},
                 {"P2", p2}});
  if (texts != nullptr) *texts = CopyTexts(store);
  return store.Text(Field::kOutputPower);
}

TEST(SheetReasons, AnEmptiedP2NamesThePowerLimit) {
  FieldTexts texts;
  ASSERT_EQ(P2AfterTyping("990", &texts), "");
  const std::string reason = ReasonOf(ComputeWindingSheet(texts, {}));
  EXPECT_NE(reason.find("超过 1000 瓦"), std::string::npos) << reason;
  // The largest P2 it names is one the calculation keeps, and the next
  // watt is not.
  const std::size_t at = reason.find("最大约 ");
  ASSERT_NE(at, std::string::npos) << reason;
  const int largest =
      std::stoi(reason.substr(at + std::string("最大约 ").size()));
  EXPECT_EQ(P2AfterTyping(std::to_string(largest)), std::to_string(largest));
  EXPECT_EQ(P2AfterTyping(std::to_string(largest + 1)), "");
}

// Without P2 the calculation (as 刷新 runs it) leaves a rated power of 0:
// the sheet asks for P2 rather than calling 0 W too much, and no core is
// recommended
// because there is nothing to wind yet, not because none is large enough.
TEST(SheetReasons, NoP2AsksForItAndRecommendsNothingYet) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", "24"}});
  SheetChoices choices;
  PressDesignButton(store, choices, DesignButton::kRefresh);
  const FieldTexts design = CopyTexts(store);
  const std::string reason = ReasonOf(ComputeWindingSheet(design, choices));
  EXPECT_NE(reason.find("请输入 P2"), std::string::npos) << reason;
  // No rated power of 0 said to be over the limit.
  EXPECT_EQ(reason.find("P = 0"), std::string::npos) << reason;
  const CoreCatalogue catalogue;
  const CoreRecommendation none =
      RecommendCoreOrWhy(design, choices, catalogue.cores());
  EXPECT_FALSE(none.core.has_value());
  EXPECT_FALSE(none.design_winds);

  // With P2 typed the design winds, and the answer is the recommendation's.
  SetAll(store, {{"P2", "60"}});
  const FieldTexts typed = CopyTexts(store);
  const CoreRecommendation some =
      RecommendCoreOrWhy(typed, choices, catalogue.cores());
  EXPECT_TRUE(some.design_winds);
  EXPECT_EQ(some.core, RecommendCore(typed, choices, catalogue.cores()));
  EXPECT_TRUE(some.core.has_value());
}

TEST(SheetReasons, AValueOutOfRangeIsNamedOnceWithItsValue) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"},
                 {"U2", "24"},
                 {"h", "48"},
                 {"c", "16"},
                 {"a", "32"},
                 {"P2", "50"}});
  // A stack so thin that the primary needs more turns than a count holds.
  SheetChoices choices;
  choices.stack_mm = "0.01";
  const std::string reason =
      ReasonOf(ComputeWindingSheet(CopyTexts(store), choices));
  EXPECT_NE(reason.find("超出范围"), std::string::npos) << reason;
  EXPECT_NE(reason.find("0.01"), std::string::npos) << reason;
  EXPECT_EQ(reason.find("绕制单"), std::string::npos) << reason;
}

struct ExtrasCase {
  const char* name;
  std::vector<Secondary> extras;
  std::vector<std::size_t> unreadable;  // 0 for 次级2
};

class UnreadableExtrasTest : public ::testing::TestWithParam<ExtrasCase> {};

TEST_P(UnreadableExtrasTest, AreLeftOutByNameAndTheRestKept) {
  const ExtrasCase& c = GetParam();
  SheetChoices choices;
  choices.secondaries.SetExtras(c.extras);
  const ReadableChoices readable = WithoutUnreadableExtras(choices);
  ASSERT_EQ(readable.left_out.size(), c.unreadable.size());
  std::vector<Secondary> kept;
  for (std::size_t k = 0, u = 0; k < c.extras.size(); ++k) {
    if (u < c.unreadable.size() && c.unreadable[u] == k) {
      const std::string reason = Compose(readable.left_out[u]);
      EXPECT_NE(reason.find("次级" + std::to_string(k + 2)), std::string::npos)
          << reason;
      ++u;
    } else {
      kept.push_back(c.extras[k]);
    }
  }
  EXPECT_EQ(readable.choices.secondaries.extras().size(), kept.size());
  for (std::size_t k = 0; k < kept.size(); ++k) {
    EXPECT_EQ(readable.choices.secondaries.extras()[k], kept[k]);
  }
  // Everything else is as chosen.
  SheetChoices same = readable.choices;
  same.secondaries.SetExtras(c.extras);
  EXPECT_EQ(same, choices);
}

Secondary DcExtra(std::string udc, std::string idc) {
  Secondary extra;
  extra.load.kind = LoadKind::kBridge;
  extra.load.udc = std::move(udc);
  extra.load.idc = std::move(idc);
  return extra;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, UnreadableExtrasTest,
    ::testing::Values(
        ExtrasCase{"all_read", {{"6.3", "2"}, {"12", "1", true}}, {}},
        ExtrasCase{"empty_cell", {{"6.3", "2"}, {"", "1"}}, {1}},
        ExtrasCase{
            "not_numbers", {{"abc", "2"}, {"12", "-1"}, {"5", "1"}}, {0, 1}},
        ExtrasCase{
            "dc_loads", {DcExtra("15", "0.5"), DcExtra("15", "x")}, {1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SheetReasons, ABadCellLeavesTheRecommendationOfTheOthers) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", "24"}, {"P2", "60"}});
  const FieldTexts design = CopyTexts(store);
  SheetChoices good;
  good.secondaries.SetExtras({{"12", "1"}});
  SheetChoices typing = good;
  typing.secondaries.AddExtra({"1", "abc"});
  const CoreCatalogue catalogue;
  ASSERT_FALSE(RecommendCore(design, typing, catalogue.cores()).has_value());
  const ReadableChoices readable = WithoutUnreadableExtras(typing);
  const auto recommended =
      RecommendCore(design, readable.choices, catalogue.cores());
  ASSERT_TRUE(recommended.has_value());
  EXPECT_EQ(recommended, RecommendCore(design, good, catalogue.cores()));
}

}  // namespace
}  // namespace spulix
