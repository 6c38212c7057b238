// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/core_selection.h"

#include <gtest/gtest.h>

#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "tests/design/store_helpers.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::Texts;

// The sample design, calculated once more so that its insulation counts.
FieldTexts SampleDesign() {
  MemoryStore store;
  Command9_Click(store);
  CalculateDesign(store);
  return CopyTexts(store);
}

// Each core's result is what the window shows after 使用 on that core: the
// same H, the verdict the fit button would give, c - H.
TEST(SelectCore, GivesForEachCoreWhatTheWindowWouldShow) {
  const FieldTexts design = SampleDesign();
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
  FieldTexts design = SampleDesign();
  const CoreSelection before = SelectCore(design, BuiltInCores());
  for (Field field :
       {Field::kWindowHeight, Field::kWindowWidth, Field::kTongueWidth}) {
    design[field] = "junk";
  }
  design[Field::kCoilThickness] = "";
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
void PrintTo(const Unusable& c, std::ostream* os) {
  if (c.texts.empty()) *os << "nothing typed";
  for (const auto& [name, text] : c.texts) *os << name << ' ' << text << ' ';
}

class UnusableDesign : public testing::TestWithParam<Unusable> {};

// Without a complete design no core is judged, and the user learns why.
TEST_P(UnusableDesign, JudgesNoCoreAndSaysWhy) {
  FieldTexts design;  // as typed, before any calculation
  for (const auto& [name, text] : GetParam().texts) {
    design[testing_support::Named(name)] = text;
  }
  const CoreSelection selection = SelectCore(design, BuiltInCores());
  ASSERT_FALSE(selection.usable());
  const std::string problem = Compose(selection.problems.front());
  EXPECT_NE(problem.find(GetParam().problem), std::string::npos) << problem;
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
                 "额定功率 P 超过 1000 瓦"},
        // So large that choosing the efficiency overflows.
        Unusable{{{"U1", "220"}, {"U2", "36"}, {"P2", "1e308"}},
                 "额定功率 P 超过 1000 瓦"},
        Unusable{{{"U1", "220"}, {"U2", "36"}, {"r1", "1e400"}, {"P2", "250"}},
                 "初级外层绝缘 r1“1e400”超出范围"},
        // Complete, but the primary turns overflow for every core.
        Unusable{{{"U1", "1e9"}, {"U2", "36"}, {"P2", "250"}}, "计算中途停止"}),
    testing_support::ReadableName());

struct OddCore {
  const char* name;
  CoreEntry core;   // beyond the catalogue's limits
  bool gives_coil;  // the calculation still gives H for it
};
void PrintTo(const OddCore& c, std::ostream* os) { *os << c.name; }

class UnjudgedCore : public testing::TestWithParam<OddCore> {};

// A core the calculation or the fit check cannot handle is left unjudged
// and never the smallest fit, while the others are judged as without it;
// only when no core gives a coil does the design count as unusable.
TEST_P(UnjudgedCore, IsLeftOutWithoutStoppingTheOthers) {
  const FieldTexts design = SampleDesign();
  const OddCore& odd = GetParam();
  std::vector<CoreEntry> cores = BuiltInCores();
  cores.push_back(odd.core);
  const CoreSelection selection = SelectCore(design, cores);
  ASSERT_TRUE(selection.usable()) << Compose(selection.problems.front());
  const CoreResult& result = selection.results.back();
  EXPECT_EQ(result.verdict, CoreVerdict::kUnknown);
  EXPECT_EQ(result.coil_thickness.empty(), !odd.gives_coil);
  EXPECT_EQ(result.margin_mm.has_value(), odd.gives_coil);
  const CoreSelection without = SelectCore(design, BuiltInCores());
  EXPECT_EQ(selection.smallest_fit, without.smallest_fit);
  for (std::size_t i = 0; i < without.results.size(); ++i) {
    EXPECT_EQ(selection.results[i].verdict, without.results[i].verdict);
  }

  const CoreSelection alone = SelectCore(design, {odd.core});
  EXPECT_EQ(alone.usable(), odd.gives_coil);
  EXPECT_EQ(alone.smallest_fit, std::nullopt);
  if (!odd.gives_coil) {
    ASSERT_FALSE(alone.problems.empty());
    const std::string problem = Compose(alone.problems.front());
    EXPECT_NE(problem.find("计算中途停止"), std::string::npos) << problem;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cores, UnjudgedCore,
    testing::Values(OddCore{"zero tongue (stack thickness divides by it)",
                            {"a0", 0, 20, 60, false},
                            false},
                    OddCore{"window 1 km high (turns per layer overflow)",
                            {"h1e6", 30, 20, 1e6, false},
                            false},
                    OddCore{"window too wide for the fit check",
                            {"c1e306", 30, 1e306, 60, false},
                            true}),
    testing_support::ReadableName());

}  // namespace
}  // namespace spulix
