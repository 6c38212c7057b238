// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/core_selection.h"

#include <gtest/gtest.h>

#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "store_helpers.h"

namespace spulix {
namespace {

using testing_support::Texts;

// The sample design, calculated once more so that its insulation counts.
DesignTexts SampleDesign() {
  MemoryStore store;
  Command9_Click(store);
  CalculateDesign(store);
  return CopyTexts(store);
}

// Each core's result is what the window shows after 使用 on that core: the
// same H, the verdict the fit button would give, c - H.
TEST(SelectCore, GivesForEachCoreWhatTheWindowWouldShow) {
  const DesignTexts design = SampleDesign();
  const std::vector<CoreEntry>& cores = BuiltInCores();
  const CoreSelection selection = SelectCore(design, cores);
  ASSERT_TRUE(selection.usable());
  ASSERT_EQ(selection.results.size(), cores.size());
  int fitting = 0;
  for (std::size_t i = 0; i < cores.size(); ++i) {
    SCOPED_TRACE(cores[i].name);
    MemoryStore window;
    window.LoadTexts(design);
    UseCore(window, cores[i]);
    EXPECT_TRUE(window.messages().empty());
    const CoreResult& result = selection.results[i];
    EXPECT_EQ(result.coil_thickness, window.Text(Field::kCoilThickness));
    ASSERT_TRUE(result.margin_mm.has_value());
    EXPECT_DOUBLE_EQ(*result.margin_mm,
                     cores[i].c_mm - ReadField(window, Field::kCoilThickness));
    Command5_Click(window);
    EXPECT_EQ(result.fits(), window.messages().back() == kFitOk);
    EXPECT_EQ(result.verdict == CoreVerdict::kTooThick,
              window.messages().back() == kFitTooThick);
    fitting += result.fits();
  }
  // The sample's 250 W coil fits the larger cores only.
  EXPECT_GT(fitting, 0);
  EXPECT_LT(fitting, static_cast<int>(cores.size()));
  ASSERT_TRUE(selection.smallest_fit.has_value());
  EXPECT_TRUE(selection.results[*selection.smallest_fit].fits());
  for (std::size_t i = 0; i < cores.size(); ++i) {
    if (selection.results[i].fits()) {
      EXPECT_GE(cores[i].a_mm, cores[*selection.smallest_fit].a_mm);
    }
  }
}

TEST(SelectCore, DependsOnlyOnTheCoreNotOnTheTypedCoreFields) {
  DesignTexts design = SampleDesign();
  const CoreSelection before = SelectCore(design, BuiltInCores());
  for (Field field :
       {Field::kWindowHeight, Field::kWindowWidth, Field::kTongueWidth}) {
    design[ControlNumber(field) - 1] = "junk";
  }
  design[ControlNumber(Field::kCoilThickness) - 1] = "";
  const CoreSelection after = SelectCore(design, BuiltInCores());
  ASSERT_TRUE(after.usable());
  EXPECT_EQ(after.smallest_fit, before.smallest_fit);
  for (std::size_t i = 0; i < before.results.size(); ++i) {
    EXPECT_EQ(after.results[i].coil_thickness,
              before.results[i].coil_thickness);
  }
}

TEST(SelectCore, SmallestFitPrefersNarrowTongueThenSmallWindow) {
  const std::vector<CoreEntry> cores = {
      {"Roomy", 40, 30, 90, false},
      {"Wide window", 30, 30, 90, false},
      {"Small window", 30, 25, 80, false},
      {"Too thin", 20, 2, 30, false},
  };
  const CoreSelection selection = SelectCore(SampleDesign(), cores);
  ASSERT_TRUE(selection.usable());
  EXPECT_FALSE(selection.results[3].fits());
  EXPECT_EQ(selection.smallest_fit, 2u);
}

struct Unusable {
  Texts texts;
  const char* problem;  // part of the first reported problem
};

class UnusableDesign : public testing::TestWithParam<Unusable> {};

// Without a complete design no core is judged, and the user learns why.
TEST_P(UnusableDesign, JudgesNoCoreAndSaysWhy) {
  DesignTexts design;  // as typed, before any calculation
  for (const auto& [name, text] : GetParam().texts) {
    design[ControlNumber(testing_support::Named(name)) - 1] = text;
  }
  const CoreSelection selection = SelectCore(design, BuiltInCores());
  ASSERT_FALSE(selection.usable());
  EXPECT_NE(selection.problems.front().find(GetParam().problem),
            std::string::npos)
      << selection.problems.front();
  EXPECT_EQ(selection.smallest_fit, std::nullopt);
  for (const CoreResult& result : selection.results) {
    EXPECT_EQ(result.verdict, CoreVerdict::kUnknown);
    EXPECT_EQ(result.margin_mm, std::nullopt);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, UnusableDesign,
    testing::Values(
        Unusable{{}, "缺少输出功率 P2"},
        Unusable{{{"U2", "36"}, {"P2", "250"}}, "缺少输入电压 U1"},
        Unusable{{{"U1", "220"}, {"P2", "250"}}, "缺少输出电压 U2"},
        Unusable{{{"U1", "220"}, {"U2", "36"}, {"P2", "2x"}},
                 "输出功率 P2“2x”不是数字"},
        Unusable{{{"U1", "0"}, {"U2", "36"}, {"P2", "250"}},
                 "输入电压 U1 必须大于 0"},
        Unusable{{{"U1", "220"}, {"U2", "36"}, {"f2", "thin"}, {"P2", "250"}},
                 "次级层间绝缘 f2“thin”不是数字"},
        Unusable{{{"U1", "220"}, {"U2", "36"}, {"P2", "2000"}},
                 "额定功率 P 超过 1000 瓦"}));

}  // namespace
}  // namespace spulix
