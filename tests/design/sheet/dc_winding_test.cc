// SPDX-License-Identifier: GPL-3.0-or-later
// DC loads on the sheet: the U2 and P2 found for 次级1 and the figures an
// extra secondary is wound with, checked against the rectifier's own
// stopping rule on the sheet they produce, not against copied figures.
#include "design/sheet/dc_winding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <variant>

#include "design/memory_store.h"
#include "design/parts/core_catalogue.h"
#include "design/sheet/core_search.h"
#include "design/sheet/main_dc_load.h"
#include "design/sheet/winding_sheet.h"
#include "tests/design/store_helpers.h"

namespace spulix {
namespace {

using testing_support::SetAll;

SecondaryLoad Dc(LoadKind kind, std::string udc, std::string idc,
                 std::string c_uf = "", std::string vf = "") {
  SecondaryLoad load;
  load.kind = kind;
  load.udc = std::move(udc);
  load.idc = std::move(idc);
  load.c_uf = std::move(c_uf);
  load.vf = std::move(vf);
  return load;
}

FieldTexts U1Only() {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}});
  return store.texts();
}

// The one-turn allowance of the stopping rule on a wound winding.
double VoltageTolerance(const DcLoad& load, const WindingSource& source) {
  return std::max(0.005 * load.udc_v,
                  std::numbers::sqrt2 * source.emf_v / source.turns);
}

struct MainCase {
  const char* name;
  SecondaryLoad load;
  // The note's worked example, where there is one: U2, P2 and the core.
  std::optional<double> u2_v;
  std::optional<double> p2_w;
  const char* core;
};

std::ostream& operator<<(std::ostream& out, const MainCase& c) {
  return out << c.name;
}

class MainDcLoadTest : public testing::TestWithParam<MainCase> {};

// The U2 and P2 found, typed into the design and wound on the core found,
// give the Udc asked for and a winding rated for the current it carries.
TEST_P(MainDcLoadTest, FoundFiguresMeetTheStoppingRuleOnTheirOwnSheet) {
  const MainCase& c = GetParam();
  SheetChoices choices;
  choices.secondaries.main().load = c.load;
  const MainDcOutcome outcome =
      SolveMainDcLoad(U1Only(), choices, BuiltInCores());
  const auto* found = std::get_if<MainDcSolution>(&outcome);
  ASSERT_NE(found, nullptr) << Compose(std::get<UserText>(outcome));
  const double u2 = std::stod(found->u2_text);
  const double p2 = std::stod(found->p2_text);
  EXPECT_EQ(found->u2_text, FormatPattern(u2, Pattern::kOneDecimal))
      << "U2 as a person types it, one decimal";
  EXPECT_EQ(p2, std::llround(u2 * found->winding_rms_a)) << "P2 = U2 × Iw";
  EXPECT_LE(found->rounds, kMaxDcRounds);
  if (c.u2_v) {
    EXPECT_NEAR(u2, *c.u2_v, 0.1 + 1e-9);
  }
  if (c.p2_w) {
    EXPECT_NEAR(p2, *c.p2_w, 1);
  }
  if (c.core) {
    EXPECT_EQ(found->core, c.core);
  }

  // The design as the button leaves it, its sheet on the core found, with
  // 次级1 still carrying its DC load.
  const FieldTexts design =
      WithU2AndP2(U1Only(), found->u2_text, found->p2_text);
  const auto core =
      std::ranges::find(BuiltInCores(), found->core, &CoreEntry::name);
  ASSERT_NE(core, BuiltInCores().end()) << found->core;
  const SheetOutcome outcome_sheet =
      WindingSheetWithCore(design, choices, *core);
  const auto* sheet = std::get_if<WindingSheet>(&outcome_sheet);
  ASSERT_NE(sheet, nullptr) << Compose(std::get<UserText>(outcome_sheet));
  const SheetWinding& winding = sheet->windings.at(1);
  const DcLoad& load = found->figures.load;
  EXPECT_EQ(winding.tap.has_value(), IsCentreTapped(load.kind));
  ASSERT_TRUE(winding.dc.has_value());
  const auto* state = std::get_if<RectifierSteadyState>(&winding.dc->result);
  ASSERT_NE(state, nullptr);
  EXPECT_LE(std::abs(state->vdc_v - load.udc_v),
            VoltageTolerance(load, SourceOf(*sheet, 1)));
  // Rated for what it carries, to the whole watt P2 is typed in.
  EXPECT_NEAR(winding.current_a, state->winding_rms_a,
              0.01 * state->winding_rms_a + 0.5 / u2);
  EXPECT_NEAR(winding.voltage_v, u2, 1e-9);
  // The winding carries far more than Idc: the reason the load exists.
  EXPECT_GT(state->winding_rms_a,
            (load.kind == RectifierKind::kFullWave ? 1.0 : 1.4) * load.idc_a);
}

INSTANTIATE_TEST_SUITE_P(
    Loads, MainDcLoadTest,
    testing::Values(
        MainCase{"bridge_24V_2A", Dc(LoadKind::kBridge, "24", "2", "4700"),
                 20.0, 77, "EI-96"},
        MainCase{"split_35V_3A", Dc(LoadKind::kSplit, "35", "3", "10000"), 52.9,
                 348, "EI-133"},
        MainCase{"bridge_12V_5A", Dc(LoadKind::kBridge, "12", "5", "10000"),
                 10.7, 101, "EI-105"},
        MainCase{"fullwave_15V_1A", Dc(LoadKind::kFullWave, "15", "1"),
                 std::nullopt, std::nullopt, nullptr},
        MainCase{"bridge_5V_1A_vf", Dc(LoadKind::kBridge, "5", "1", "", "0.4"),
                 std::nullopt, std::nullopt, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// A capacitor-input bridge with the default reservoir asks the transformer
// for about 1.4 to 2.2 times the DC power, the band power-supply design
// rules give.
TEST(MainDcLoad, BridgeVaStaysInTheRuleOfThumbBand) {
  const std::pair<const char*, const char*> loads[] = {
      {"5", "1"},  {"12", "2"}, {"15", "5"},
      {"24", "3"}, {"48", "1"}, {"30", "0.5"}};
  for (const auto& [udc, idc] : loads) {
    SheetChoices choices;
    choices.secondaries.main().load = Dc(LoadKind::kBridge, udc, idc);
    const MainDcOutcome outcome =
        SolveMainDcLoad(U1Only(), choices, BuiltInCores());
    const auto* found = std::get_if<MainDcSolution>(&outcome);
    ASSERT_NE(found, nullptr) << udc << " V " << idc
                              << " A: " << Compose(std::get<UserText>(outcome));
    const double ratio =
        std::stod(found->p2_text) / (std::stod(udc) * std::stod(idc));
    EXPECT_GE(ratio, 1.4) << udc << " V " << idc << " A";
    EXPECT_LE(ratio, 2.2) << udc << " V " << idc << " A";
  }
}

// An extra secondary with a DC load is wound with the voltage and RMS
// current its rectifier needs, and they count in the output power.
TEST(DcExtraSecondary, IsWoundForTheCurrentItsRectifierDraws) {
  for (LoadKind kind :
       {LoadKind::kBridge, LoadKind::kFullWave, LoadKind::kSplit}) {
    MemoryStore store;
    SetAll(store, {{"U1", "220"},
                   {"U2", "36"},
                   {"h", "61.5"},
                   {"c", "22"},
                   {"a", "35"},
                   {"P2", "100"}});
    SheetChoices choices;
    Secondary extra;
    extra.load = Dc(kind, "15", "1");
    choices.secondaries.SetExtras({extra});
    const SheetOutcome outcome = ComputeWindingSheet(store.texts(), choices);
    const auto* sheet = std::get_if<WindingSheet>(&outcome);
    ASSERT_NE(sheet, nullptr) << Compose(std::get<UserText>(outcome));
    const SheetWinding& w = sheet->windings.at(2);
    ASSERT_TRUE(w.dc.has_value());
    const auto* state = std::get_if<RectifierSteadyState>(&w.dc->result);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(w.tap.has_value(), IsCentreTapped(w.dc->load.kind));
    EXPECT_LE(std::abs(state->vdc_v - 15),
              VoltageTolerance(w.dc->load, SourceOf(*sheet, 2)));
    EXPECT_NEAR(w.current_a, state->winding_rms_a, 0.01 * state->winding_rms_a);
    // One decimal, as typed.
    EXPECT_NEAR(w.voltage_v * 10, std::round(w.voltage_v * 10), 1e-9);
    EXPECT_NEAR(sheet->output_w, 100 + w.voltage_v * w.current_a, 1.0);
    EXPECT_TRUE(w.dc->default_capacitance);
    EXPECT_EQ(w.dc->load.capacitance_uf, *DefaultCapacitanceUf(15, 1));
    EXPECT_FALSE(sheet->windings.at(1).dc.has_value());
  }
}

// Typed figures that are no numbers stop the sheet with one line naming
// them; nothing is made up.
TEST(DcLoadTexts, BadFiguresAreNamed) {
  struct Case {
    SecondaryLoad load;
    const char* named;
  };
  const Case cases[] = {
      {Dc(LoadKind::kBridge, "", "1"), "直流电压"},
      {Dc(LoadKind::kBridge, "12", "0"), "直流电流"},
      {Dc(LoadKind::kSplit, "12", "1", "-5"), "滤波电容"},
      {Dc(LoadKind::kFullWave, "12", "1", "", "x"), "二极管压降"},
  };
  for (const Case& c : cases) {
    const DcLoadRead read = ReadDcLoad(c.load, WindingName(1));
    ASSERT_TRUE(std::holds_alternative<UserText>(read)) << c.named;
    EXPECT_NE(Compose(std::get<UserText>(read)).find(c.named),
              std::string::npos)
        << Compose(std::get<UserText>(read));
    SheetChoices choices;
    choices.secondaries.main().load = c.load;
    const MainDcOutcome outcome =
        SolveMainDcLoad(U1Only(), choices, BuiltInCores());
    ASSERT_TRUE(std::holds_alternative<UserText>(outcome));
  }
}

TEST(DcLoadTexts, EmptyCapacitorAndDropTakeTheDefaults) {
  const DcLoadRead read =
      ReadDcLoad(Dc(LoadKind::kBridge, "12", "5"), WindingName(1));
  const auto& figures = std::get<DcWindingFigures>(read);
  EXPECT_TRUE(figures.default_capacitance);
  EXPECT_TRUE(figures.default_drop);
  EXPECT_EQ(figures.load.capacitance_uf, 47000);
  EXPECT_EQ(figures.load.diode_drop_v, kDefaultDiodeDropV);
}

// A load the winding cannot carry is a reason, never a NaN.
TEST(DcExtraSecondary, ImpossibleLoadIsAReason) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"},
                 {"U2", "36"},
                 {"h", "61.5"},
                 {"c", "22"},
                 {"a", "35"},
                 {"P2", "100"}});
  SheetChoices choices;
  Secondary extra;
  extra.load = Dc(LoadKind::kBridge, "1e6", "1e6");
  choices.secondaries.SetExtras({extra});
  const SheetOutcome outcome = ComputeWindingSheet(store.texts(), choices);
  ASSERT_TRUE(std::holds_alternative<UserText>(outcome));
  EXPECT_FALSE(Compose(std::get<UserText>(outcome)).empty());
}

TEST(DcLoadChoices, ClearReturnsTheMainSecondaryToAc) {
  SheetChoices choices;
  choices.secondaries.main().load = Dc(LoadKind::kSplit, "35", "3");
  ClearSheetChoices(choices);
  EXPECT_EQ(choices.secondaries.main().load, SecondaryLoad());
  EXPECT_FALSE(HasDcLoad(choices));
}

}  // namespace
}  // namespace spulix
