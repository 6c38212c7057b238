// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/field_reactions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/design_commands.h"
#include "design/memory_store.h"
#include "tests/design/store_helpers.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::ReadableName;

using testing_support::Get;
using testing_support::Messages;
using testing_support::SetAll;

void Type(MemoryStore& store, Field field, const std::string& text) {
  for (char c : text) store.SetText(field, store.Text(field) + c);
}

TEST(Typing, OutputPowerRunsOneCalculationPerKeystroke) {
  MemoryStore store;
  Type(store, Field::kOutputPower, "100");
  Messages expected;
  for (int run = 0; run < 3; ++run) {
    expected.push_back("请输入输入电压！");
    expected.push_back("请输入输出电压！");
  }
  EXPECT_EQ(store.messages(), expected);
  EXPECT_EQ(Get(store, "P1"), "118");
}

TEST(Typing, WindowHeightShowsEveryKeystrokeOnTheDiagram) {
  std::vector<std::string> seen;
  MemoryStore store;
  for (char c : std::string("61.5")) {
    store.SetText(Field::kWindowHeight, Get(store, "h") + c);
    seen.push_back(store.CaptionText(Caption::kHeightFigure));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"6", "61", "61.", "61.5"}));
  EXPECT_EQ(store.CaptionText(Caption::kWidthFigure), "");
}

TEST(Typing, DiagramFiguresFollowWidthAndTongue) {
  MemoryStore store;
  SetAll(store, {{"c", "22"}, {"a", "3x"}});
  EXPECT_EQ(store.CaptionText(Caption::kWidthFigure), "22");
  EXPECT_EQ(store.CaptionText(Caption::kTongueFigure), "3x");
  store.SetText(Field::kWindowWidth, "");
  EXPECT_EQ(store.CaptionText(Caption::kWidthFigure), "");
}

struct StackCase {
  const char* s;
  const char* a;
  const char* b;
};

void PrintTo(const StackCase& c, std::ostream* os) {
  *os << "S '" << c.s << "' a '" << c.a << "'";
}

class StackThicknessOnTongueChange : public testing::TestWithParam<StackCase> {
};

TEST_P(StackThicknessOnTongueChange, WritesWholeMillimetres) {
  MemoryStore store;
  store.SetText(Field::kCoreSection, GetParam().s);
  store.SetText(Field::kStackThickness, "before");
  store.SetText(Field::kTongueWidth, GetParam().a);
  EXPECT_EQ(Get(store, "b"), GetParam().b)
      << "S '" << GetParam().s << "', a '" << GetParam().a << "'";
  EXPECT_TRUE(store.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StackThicknessOnTongueChange,
    testing::Values(StackCase{"20.3", "35", "64"},
                    StackCase{"1,234.5", "35", "3"},  // lenient S reads 1
                    StackCase{"", "35", "0"}, StackCase{"20.3", "0", "0"},
                    StackCase{"20.3", ".", "0"}, StackCase{"20.3", "-", "0"},
                    StackCase{"20.3", "abc", "0"},
                    StackCase{"1e300", "0.001", "0"},  // beyond 32 bits
                    StackCase{"1e400", "35", "0"},
                    StackCase{"20.3", "0.5", "4511"}),
    ReadableName());

TEST(StackThicknessOnTongueChange, EmptyTongueWritesZero) {
  MemoryStore store;
  SetAll(store, {{"Text4", "20.3"}, {"a", "35"}});
  store.SetText(Field::kTongueWidth, "");
  EXPECT_EQ(Get(store, "b"), "0");
}

TEST(TestButton, FillsTheSampleAndCalculatesOnce) {
  MemoryStore store;
  Command9_Click(store);
  EXPECT_EQ(Get(store, "U1"), "220");
  EXPECT_EQ(Get(store, "h"), "61.5");
  EXPECT_EQ(Get(store, "r1"), "0.17");
  EXPECT_EQ(Get(store, "f2"), "0.12");
  EXPECT_EQ(Get(store, "b"), "64.4");  // the calculation overwrote "0"
  EXPECT_EQ(Get(store, "H"), "14.8");  // insulation came after P2
  EXPECT_EQ(store.changes(Field::kOutputPower), 1);
  EXPECT_EQ(store.CaptionText(Caption::kHeightFigure), "61.5");
  EXPECT_EQ(store.CaptionText(Caption::kTongueFigure), "35");
  EXPECT_TRUE(store.messages().empty());
}

TEST(TestButton, SecondPressStartsNoCalculation) {
  MemoryStore store;
  Command9_Click(store);
  Command9_Click(store);
  EXPECT_EQ(store.changes(Field::kOutputPower), 1);
  EXPECT_EQ(Get(store, "H"), "14.8");
}

TEST(Clear, EmptyWindowOnlyWritesTheStatus) {
  MemoryStore store;
  ClearDesign(store, store.choices());
  for (const FieldInfo& info : Catalogue()) {
    EXPECT_EQ(store.changes(info.field), 0) << info.control;
  }
  EXPECT_EQ(store.CaptionText(Caption::kStatus), "数据已清空！");
  EXPECT_TRUE(store.messages().empty());
}

TEST(Clear, FullDesignLeavesEverythingEmpty) {
  MemoryStore store;
  Command9_Click(store);
  ClearDesign(store, store.choices());
  for (const FieldInfo& info : Catalogue()) {
    EXPECT_EQ(store.Text(info.field), "") << info.control;
  }
  for (Caption caption : {Caption::kWidthFigure, Caption::kTongueFigure,
                          Caption::kHeightFigure}) {
    EXPECT_EQ(store.CaptionText(caption), "");
  }
  EXPECT_EQ(store.CaptionText(Caption::kStatus), "数据已清空！");
  EXPECT_TRUE(store.messages().empty());
}

TEST(Clear, EmptyInputVoltageShowsItsMessageWhileClearing) {
  std::vector<std::string> u2_at_message;
  MemoryStore store;
  store = MemoryStore([&](std::string_view) {
    u2_at_message.push_back(store.Text(Field::kOutputVoltage));
  });
  SetAll(store, {{"U2", "36"}});
  store.SetText(Field::kOutputPower, "250");
  store.ClearMessages();
  u2_at_message.clear();
  ClearDesign(store, store.choices());
  EXPECT_EQ(store.messages(), Messages{"请输入输入电压！"});
  EXPECT_EQ(u2_at_message, std::vector<std::string>{"36"});  // mid-Clear
  for (const FieldInfo& info : Catalogue()) {
    EXPECT_EQ(store.Text(info.field), "") << info.control;
  }
}

TEST(Clear, TwiceChangesNothingTheSecondTime) {
  MemoryStore store;
  Command9_Click(store);
  ClearDesign(store, store.choices());
  std::vector<int> changes;
  for (const FieldInfo& info : Catalogue()) {
    changes.push_back(store.changes(info.field));
  }
  store.SetCaption(Caption::kStatus, "");
  ClearDesign(store, store.choices());
  for (const FieldInfo& info : Catalogue()) {
    EXPECT_EQ(store.changes(info.field),
              changes[static_cast<std::size_t>(ControlNumber(info.field) - 1)]);
  }
  EXPECT_EQ(store.CaptionText(Caption::kStatus), "数据已清空！");
}

}  // namespace
}  // namespace spulix
