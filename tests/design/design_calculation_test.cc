// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/design_calculation.h"

#include <gtest/gtest.h>

#include "design/memory_store.h"
#include "tests/design/store_helpers.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::ReadableName;

using testing_support::Get;
using testing_support::Messages;
using testing_support::SetAll;
using testing_support::Texts;

// The sample design without insulation; P2 typed last runs the calculation.
MemoryStore SampleDesign(const std::string& p2 = "250") {
  MemoryStore store;
  SetAll(
      store,
      {{"U1", "220"}, {"U2", "36"}, {"h", "61.5"}, {"c", "22"}, {"a", "35"}});
  store.SetText(Field::kOutputPower, p2);
  return store;
}

TEST(CalculateDesign, WorkedExampleWritesEveryResult) {
  MemoryStore store = SampleDesign();
  const Texts expected = {
      {"P1", "278"},  {"P", "264"},   {"S", "20.3"},    {"b", "64.4"},
      {"I1", "1.39"}, {"I2", "6.94"}, {"N0", "2.22"},   {"N1", "490"},
      {"N2", "84"},   {"d1", "0.84"}, {"d2", "1.88"},   {"h'", "53.55"},
      {"n1'", "64"},  {"m1", "8"},    {"n2'", "28.48"}, {"m2", "2.95"},
      {"H1", "6.72"}, {"H2", "5.55"}, {"H", "14.8"}};
  for (const auto& [symbol, text] : expected) {
    EXPECT_EQ(Get(store, symbol), text) << symbol;
  }
  EXPECT_TRUE(store.messages().empty());
}

struct EfficiencyCase {
  double p2;
  double efficiency;
};

void PrintTo(const EfficiencyCase& c, std::ostream* os) {
  *os << "P2 " << c.p2;
}

class EfficiencyBoundaries : public testing::TestWithParam<EfficiencyCase> {};

TEST_P(EfficiencyBoundaries, ChoosesTheRow) {
  ASSERT_TRUE(EfficiencyFor(GetParam().p2).has_value()) << GetParam().p2;
  EXPECT_EQ(*EfficiencyFor(GetParam().p2), GetParam().efficiency)
      << GetParam().p2;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EfficiencyBoundaries,
    testing::Values(EfficiencyCase{9.99, 0.6}, EfficiencyCase{0.01, 0.6},
                    EfficiencyCase{10, 0.7}, EfficiencyCase{30, 0.7},
                    EfficiencyCase{30.1, 0.8}, EfficiencyCase{80, 0.8},
                    EfficiencyCase{200, 0.85}, EfficiencyCase{400, 0.9},
                    EfficiencyCase{400.1, 0.95}, EfficiencyCase{1e6, 0.95}),
    ReadableName());

TEST(EfficiencyBoundaries, NoRowForZeroOrNegative) {
  EXPECT_FALSE(EfficiencyFor(0).has_value());
  EXPECT_FALSE(EfficiencyFor(-5).has_value());
}

struct CoefficientCase {
  double p;
  std::optional<double> k;
};

void PrintTo(const CoefficientCase& c, std::ostream* os) { *os << "P " << c.p; }

class CoefficientBoundaries : public testing::TestWithParam<CoefficientCase> {};

TEST_P(CoefficientBoundaries, ChoosesTheRow) {
  EXPECT_EQ(CoefficientFor(GetParam().p), GetParam().k) << GetParam().p;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CoefficientBoundaries,
    testing::Values(CoefficientCase{9.9, 2}, CoefficientCase{10, 1.75},
                    CoefficientCase{50, 1.75}, CoefficientCase{50.5, 1.25},
                    CoefficientCase{500, 1.25}, CoefficientCase{500.5, 1.2},
                    CoefficientCase{1000, 1.2},
                    CoefficientCase{1000.5, std::nullopt},
                    CoefficientCase{0, std::nullopt},
                    CoefficientCase{-1, std::nullopt}),
    ReadableName());

// Output power alone, voltages given: the texts of the power chain.
struct PowerCase {
  const char* p2;
  const char* p1;
  const char* p;
  const char* s;
};

void PrintTo(const PowerCase& c, std::ostream* os) { *os << "P2 " << c.p2; }

class PowerChain : public testing::TestWithParam<PowerCase> {};

TEST_P(PowerChain, WritesRoundedTexts) {
  MemoryStore store = SampleDesign(GetParam().p2);
  EXPECT_EQ(Get(store, "P1"), GetParam().p1);
  EXPECT_EQ(Get(store, "P"), GetParam().p);
  EXPECT_EQ(Get(store, "S"), GetParam().s);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PowerChain,
    testing::Values(PowerCase{"50", "62", "56", "9.4"},  // 62.5 to even
                    PowerCase{"10", "14", "12", "6.1"},
                    PowerCase{"5", "8", "6.5", "5.1"},
                    PowerCase{"1,200", "1", "600.5", "29.4"}),
    ReadableName());

TEST(CalculateDesign, ReadsBackTheRoundedNumberOfTurnsPerVolt) {
  // S written as 20.0 gives N0 2.25; with U1 110: 247.5 rounds to 248, + 2.
  MemoryStore store;
  SetAll(store, {{"U1", "110"}, {"U2", "36"}, {"Text4", "20.0"}});
  store.SetText(Field::kOutputPower, "1200");  // P beyond 1000 leaves S alone
  EXPECT_EQ(Get(store, "S"), "20.0");
  EXPECT_EQ(Get(store, "N0"), "2.25");
  EXPECT_EQ(Get(store, "N1"), "250");
}

TEST(CalculateDesign, EmptyOutputPowerWritesZerosAndGoesOn) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", "36"}, {"Text8", "old b"}});
  CalculateDesign(store);
  for (const char* symbol : {"P1", "P", "S", "I1", "I2", "N0"}) {
    EXPECT_EQ(Get(store, symbol), "0") << symbol;
  }
  EXPECT_EQ(Get(store, "N1"), "2");
  EXPECT_EQ(Get(store, "N2"), "0");
  EXPECT_EQ(Get(store, "d1"), "0.00");
  EXPECT_EQ(Get(store, "d2"), "0.00");
  EXPECT_EQ(Get(store, "b"), "old b");
  EXPECT_EQ(Get(store, "h'"), "0");  // the build-up ran
  EXPECT_TRUE(store.messages().empty());
}

TEST(CalculateDesign, MissingVoltagesShowBothMessagesAndStop) {
  MemoryStore store;
  store.SetText(Field::kPrimaryWireDiameter, "keep");
  store.SetText(Field::kOutputPower, "100");
  EXPECT_EQ(store.messages(),
            (Messages{"请输入输入电压！", "请输入输出电压！"}));
  EXPECT_EQ(Get(store, "N1"), "0");
  EXPECT_EQ(Get(store, "N2"), "0");
  EXPECT_EQ(Get(store, "I1"), "0");
  EXPECT_EQ(Get(store, "d1"), "keep");
  EXPECT_EQ(Get(store, "h'"), "");
}

TEST(CalculateDesign, ZeroPowerOnFreshFieldsEmptiesP2ThenAsksForNumber) {
  MemoryStore store;
  std::vector<std::string> p2_at_message;
  store = MemoryStore([&](std::string_view) {
    p2_at_message.push_back(store.Text(Field::kOutputPower));
  });
  SetAll(store, {{"U1", "220"}, {"U2", "36"}});
  store.SetText(Field::kOutputPower, "0");
  EXPECT_EQ(store.messages(), Messages{"请输入数字"});
  EXPECT_EQ(p2_at_message, std::vector<std::string>{""});
  // The nested run with an empty P2 wrote its zeros before the message.
  EXPECT_EQ(Get(store, "P1"), "0");
  EXPECT_EQ(Get(store, "N1"), "2");
  EXPECT_EQ(store.changes(Field::kOutputPower), 2);
}

TEST(CalculateDesign, TextInOutputPowerEmptiesItAndRunsNested) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", "36"}});
  store.SetText(Field::kOutputPower, "abc");
  EXPECT_EQ(store.messages(), Messages{"请输入数字"});
  EXPECT_EQ(Get(store, "P2"), "");
  EXPECT_EQ(Get(store, "P1"), "0");
}

TEST(CalculateDesign, BadInputVoltageShowsTheMessageTwice) {
  MemoryStore store;
  SetAll(store, {{"U1", "abc"}, {"U2", "36"}});
  store.SetText(Field::kOutputPower, "100");
  EXPECT_EQ(store.messages(), (Messages{"请输入数字", "请输入数字"}));
  EXPECT_EQ(Get(store, "P2"), "");
}

TEST(CalculateDesign, ZeroInputVoltageEndsSilentlyAfterStackThickness) {
  MemoryStore store;
  SetAll(store, {{"U1", "0"},
                 {"U2", "36"},
                 {"a", "35"},
                 {"Text14", "x"},
                 {"Text15", "y"}});
  store.SetText(Field::kOutputPower, "250");
  EXPECT_TRUE(store.messages().empty());
  EXPECT_EQ(Get(store, "b"), "64.4");
  EXPECT_EQ(Get(store, "I1"), "x");
  EXPECT_EQ(Get(store, "I2"), "y");
  EXPECT_EQ(Get(store, "N0"), "");
  EXPECT_EQ(Get(store, "P2"), "250");
}

TEST(CalculateDesign, TooManyTurnsEndSilently) {
  MemoryStore store;
  SetAll(store, {{"U1", "20000"}, {"U2", "36"}});
  store.SetText(Field::kOutputPower, "5");  // N0 about 3.95: N1 beyond 32767
  EXPECT_TRUE(store.messages().empty());
  EXPECT_EQ(Get(store, "N1"), "");
  EXPECT_NE(Get(store, "N0"), "");
}

TEST(CalculateDesign, BadInsulationIsTypeMismatchFromTheBuildUp) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", "36"}, {"h", "61.5"}, {"r1", "x"}});
  store.SetText(Field::kOutputPower, "250");
  // The nested run meets the same text and asks once itself.
  EXPECT_EQ(store.messages(), (Messages{"请输入数字", "请输入数字"}));
  EXPECT_EQ(Get(store, "P2"), "");
}

TEST(CalculateDesign, RatedPowerBeyondTableLeavesCrossSectionAlone) {
  MemoryStore store = SampleDesign("250");
  store.SetText(Field::kOutputPower, "1000");
  EXPECT_EQ(Get(store, "P1"), "1053");
  EXPECT_EQ(Get(store, "P"), "1026.5");
  EXPECT_EQ(Get(store, "S"), "20.3");
}

TEST(CalculateDesign, RatedPowerBeyondTableOnFreshFieldsIsTypeMismatch) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", "36"}, {"a", "35"}});
  store.SetText(Field::kOutputPower, "1000");
  EXPECT_EQ(store.messages(), Messages{"请输入数字"});
  EXPECT_EQ(Get(store, "P2"), "");
}

TEST(CalculateDesign, HugeOutputPowerIsSilent) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", "36"}});
  store.SetText(Field::kOutputPower, "1E400");
  EXPECT_TRUE(store.messages().empty());
  EXPECT_EQ(Get(store, "P2"), "1E400");
  EXPECT_EQ(Get(store, "P1"), "");
}

}  // namespace
}  // namespace spulix
