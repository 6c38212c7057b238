// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/winding_build_up.h"

#include <gtest/gtest.h>

#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "tests/design/store_helpers.h"

namespace spulix {
namespace {

using testing_support::Get;
using testing_support::Messages;
using testing_support::SetAll;
using testing_support::Texts;

const Texts kFirstCase = {{"h", "61.5"},  {"d1", "0.84"}, {"d2", "1.88"},
                          {"N1", "490"},  {"N2", "84"},   {"r1", "0.17"},
                          {"f1", "0.05"}, {"r2", "0.05"}, {"f2", "0.12"}};

void ExpectTexts(const MemoryStore& store, const Texts& expected) {
  for (const auto& [symbol, text] : expected) {
    EXPECT_EQ(Get(store, symbol), text) << symbol;
  }
}

Texts With(Texts texts, const Texts& changes) {
  for (const auto& change : changes) {
    bool replaced = false;
    for (auto& entry : texts) {
      if (entry.first == change.first) {
        entry.second = change.second;
        replaced = true;
      }
    }
    if (!replaced) texts.push_back(change);
  }
  return texts;
}

struct BuildUpCase {
  const char* name;
  Texts inputs;
  Texts expected;
};

void PrintTo(const BuildUpCase& c, std::ostream* os) { *os << c.name; }

class FullBuildUp : public testing::TestWithParam<BuildUpCase> {};

TEST_P(FullBuildUp, WritesExactTexts) {
  MemoryStore store;
  SetAll(store, GetParam().inputs);
  CalculateBuildUp(store);
  ExpectTexts(store, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FullBuildUp,
    testing::Values(
        BuildUpCase{"Sample",
                    kFirstCase,
                    {{"h'", "53.55"},
                     {"n1'", "64"},
                     {"m1", "8"},
                     {"n2'", "28.48"},
                     {"m2", "2.95"},
                     {"H1", "7.29"},
                     {"H2", "5.83"},
                     {"H", "15.8"}}},
        BuildUpCase{
            "NoInsulation",
            With(kFirstCase, {{"r1", ""}, {"f1", ""}, {"r2", ""}, {"f2", ""}}),
            {{"H1", "6.72"}, {"H2", "5.55"}, {"H", "14.8"}}},
        BuildUpCase{"OnlyR2",
                    With(kFirstCase, {{"r1", ""}, {"f1", ""}, {"f2", ""}}),
                    {{"H2", "5.60"}, {"H", "14.9"}}},
        BuildUpCase{"EmptyHeight",
                    With(kFirstCase, {{"h", ""}}),
                    {{"h'", "0"},
                     {"n1'", "0"},
                     {"m1", "0"},
                     {"n2'", "0.00"},
                     {"m2", "0"},
                     {"H1", "0.17"},
                     {"H2", "-0.07"},
                     {"H", "1.5"}}},
        BuildUpCase{"HalfTurnGoesToEven",
                    {{"h", "57.5556"},
                     {"d1", "0.80"},
                     {"d2", "1"},
                     {"N1", "10"},
                     {"N2", "1"}},
                    {{"h'", "50.00"}, {"n1'", "62"}}},
        BuildUpCase{"HalfLayerGoesToEven",
                    With(kFirstCase, {{"N1", "416"}}),
                    {{"n1'", "64"}, {"m1", "6"}}},
        BuildUpCase{"ZeroPrimaryDiameter",
                    With(kFirstCase, {{"d1", "0"}}),
                    {{"n1'", "0"}, {"m1", "0"}, {"H1", "0.17"}}},
        BuildUpCase{"ZeroSecondaryDiameterOnlyF2",
                    With(kFirstCase, {{"d2", "0"}, {"r2", ""}}),
                    {{"n2'", "0"}, {"m2", "0"}, {"H2", "-0.12"}}},
        BuildUpCase{"ZeroSecondaryDiameterBoth",
                    With(kFirstCase, {{"d2", "0"}}),
                    {{"H2", "-0.07"}}},
        BuildUpCase{"LayersBelowOneTurn",
                    {{"h", "3"},
                     {"d1", "0.5"},
                     {"d2", "1.5"},
                     {"N1", "10"},
                     {"N2", "5"}},
                    {{"h'", "0.90"},
                     {"n1'", "2"},
                     {"m1", "5"},
                     {"n2'", "0.60"},
                     {"m2", "8.33"},
                     {"H1", "2.50"},
                     {"H2", "12.50"},
                     {"H", "17.8"}}},
        BuildUpCase{"ThousandsSeparatorReadBack",
                    {{"h", "61.5"},
                     {"d1", "0.04"},
                     {"d2", "0.04"},
                     {"N1", "490"},
                     {"N2", "84"}},
                    {{"n1'", "1339"},
                     {"m1", "0"},
                     {"n2'", "1,338.75"},
                     {"m2", "0.06"}}},
        BuildUpCase{"NoRangeChecks",
                    With(kFirstCase, {{"h", "1"}}),
                    {{"h'", "-0.90"}, {"n1'", "-1"}, {"m1", "-490"}}}),
    [](const testing::TestParamInfo<BuildUpCase>& info) {
      return std::string(info.param.name);
    });

TEST(FullBuildUpFailures, TurnsPerLayerBeyond16BitsThrowArithmeticFault) {
  MemoryStore store;
  SetAll(store, With(kFirstCase, {{"h", "400"}, {"d1", "0.01"}}));
  EXPECT_THROW(CalculateBuildUp(store), ArithmeticFault);
  EXPECT_EQ(Get(store, "h'"), "358.20");  // written before the failure
  EXPECT_EQ(Get(store, "n1'"), "");
}

TEST(FullBuildUpFailures, BadInsulationThrowsTypeMismatch) {
  MemoryStore store;
  SetAll(store, With(kFirstCase, {{"f2", "thin"}}));
  EXPECT_THROW(CalculateBuildUp(store), TypeMismatch);
  EXPECT_EQ(Get(store, "H1"), "7.29");
  EXPECT_EQ(Get(store, "H2"), "");
}

class Recalculation : public testing::Test {
 protected:
  void SetUp() override {
    SetAll(store_, kFirstCase);
    CalculateBuildUp(store_);
  }
  MemoryStore store_;
};

TEST_F(Recalculation, UnchangedDiametersCountWholeLayers) {
  for (Field field :
       {Field::kPrimaryWireDiameter, Field::kSecondaryWireDiameter}) {
    MemoryStore store = store_;
    OnFieldDoubleClicked(store, field);
    ExpectTexts(store, {{"h'", "53.55"},
                        {"n1'", "64"},
                        {"m1", "8"},
                        {"n2'", "28.48"},
                        {"H1", "7.29"},
                        {"m2", "3.00"},
                        {"H2", "7.93"},
                        {"H", "18.1"}});
    EXPECT_TRUE(store.messages().empty());
  }
}

TEST_F(Recalculation, FollowsEditedDiameters) {
  SetAll(store_, {{"d1", "0.95"}, {"d2", "1.9"}, {"h", "80"}});
  OnFieldDoubleClicked(store_, Field::kSecondaryWireDiameter);
  ExpectTexts(store_, {{"h'", "53.55"},
                       {"n1'", "56"},
                       {"m1", "9"},
                       {"n2'", "28.18"},
                       {"m2", "3.00"},
                       {"H1", "9.17"},
                       {"H2", "8.01"},
                       {"H", "20.3"}});
}

TEST_F(Recalculation, OtherFieldsIgnoreDoubleClicks) {
  MemoryStore store = store_;
  store.SetText(Field::kPrimaryWireDiameter, "0.95");
  for (Field field :
       {Field::kPrimaryTurns, Field::kEffectiveHeight, Field::kOutputPower}) {
    OnFieldDoubleClicked(store, field);
  }
  EXPECT_EQ(Get(store, "n1'"), "64");
  OnFieldDoubleClicked(store, Field::kPrimaryWireDiameter);
  EXPECT_EQ(Get(store, "n1'"), "56");
}

TEST(RecalculationFailures, EmptyFieldsAskForANumberWithoutTouchingP2) {
  MemoryStore store;
  store.SetText(Field::kOutputPower, "abc");  // fails itself, leaving P2 empty
  store.ClearMessages();
  RecalculateBuildUp(store);
  EXPECT_EQ(store.messages(), Messages{"请输入数字"});
  EXPECT_EQ(store.changes(Field::kOutputPower), 2);  // no further change
}

TEST(RecalculationFailures, LettersInDiameterAskForANumber) {
  MemoryStore store;
  SetAll(store, kFirstCase);
  CalculateBuildUp(store);
  store.SetText(Field::kPrimaryWireDiameter, "thick");
  RecalculateBuildUp(store);
  EXPECT_EQ(store.messages(), Messages{"请输入数字"});
  EXPECT_EQ(Get(store, "n1'"), "64");
}

TEST(RecalculationFailures, FractionalTurnsPerLayerStopSilently) {
  MemoryStore store;
  SetAll(store,
         {{"h", "3"}, {"d1", "0.5"}, {"d2", "1.5"}, {"N1", "10"}, {"N2", "5"}});
  CalculateBuildUp(store);  // n2' 0.60
  store.SetText(Field::kSecondaryTurnsPerLayer, "x");
  RecalculateBuildUp(store);
  EXPECT_TRUE(store.messages().empty());
  EXPECT_EQ(Get(store, "n2'"), "0.60");  // rewritten before the division
  EXPECT_EQ(Get(store, "m2"), "8.33");   // left as it was
}

TEST(RecalculationFailures, LayersBeyond16BitsStopSilently) {
  MemoryStore store;
  SetAll(store, kFirstCase);
  CalculateBuildUp(store);
  store.SetText(Field::kPrimaryWireDiameter, "0.001");
  RecalculateBuildUp(store);
  EXPECT_TRUE(store.messages().empty());
  EXPECT_EQ(Get(store, "n1'"), "64");
}

}  // namespace
}  // namespace spulix
