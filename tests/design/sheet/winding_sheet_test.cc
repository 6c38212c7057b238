// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/winding_sheet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <variant>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/parts/core_selection.h"
#include "design/parts/wire_table.h"
#include "design/sheet/core_search.h"
#include "tests/design/sheet/sheet_designs.h"
#include "tests/design/store_helpers.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::SetAll;
using testing_support::Texts;

// The designs of the published worked examples, each typed as a user would
// (P2 last, so its change runs the calculation).
struct Example {
  Texts fields;
  SheetChoices choices;
};

const std::map<std::string, Example>& Examples() {
  static const auto* examples = [] {
    const Texts sample = {{"U1", "220"},  {"U2", "36"},   {"h", "61.5"},
                          {"c", "22"},    {"a", "35"},    {"r1", "0.17"},
                          {"f1", "0.05"}, {"r2", "0.05"}, {"f2", "0.12"},
                          {"P2", "250"}};
    const auto bare = [](const char* u2, const char* h, const char* c,
                         const char* a, const char* p2) {
      return Texts{{"U1", "220"}, {"U2", u2}, {"h", h},
                   {"c", c},      {"a", a},   {"P2", p2}};
    };
    SheetChoices thin;
    thin.enamel_grade = 1;
    thin.steel = "50W470";
    SheetChoices extras;
    extras.secondaries.SetExtras({{"6.3", "2", false}, {"12", "1", true}});
    return new std::map<std::string, Example>{
        {"sample", {sample, {}}},
        {"thin", {sample, thin}},
        {"extras", {sample, extras}},
        {"nocore", {{{"U1", "220"}, {"U2", "24"}, {"P2", "150"}}, {}}},
        {"strands", {bare("12", "66.6", "22.2", "44.4", "300"), {}}},
        {"ei96", {bare("24", "48", "16", "32", "100"), {}}},
    };
  }();
  return *examples;
}

// An example's sheet and recommended core, computed once.
struct Computed {
  SheetOutcome outcome;
  std::optional<std::size_t> core;
};

const Computed& Compute(const std::string& name) {
  static std::map<std::string, Computed> cache;
  if (auto it = cache.find(name); it != cache.end()) return it->second;
  const Example& example = Examples().at(name);
  MemoryStore store;
  SetAll(store, example.fields);
  const FieldTexts design = CopyTexts(store);
  return cache[name] = {ComputeWindingSheet(design, example.choices),
                        RecommendCore(design, example.choices, BuiltInCores())};
}

// A number at the published figure's decimals.
std::string AtDecimals(double value, const std::string& published) {
  const std::size_t point = published.find('.');
  const int decimals = point == std::string::npos
                           ? 0
                           : static_cast<int>(published.size() - point - 1);
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

using WindingFigure = double (*)(const SheetWinding&);
const std::map<std::string, WindingFigure> kWindingFigures = {
    {"N", [](const SheetWinding& w) -> double { return w.turns; }},
    {"tap", [](const SheetWinding& w) -> double { return w.tap.value(); }},
    {"wire", [](const SheetWinding& w) { return w.wire_mm; }},
    {"strands", [](const SheetWinding& w) -> double { return w.strands; }},
    {"n", [](const SheetWinding& w) -> double { return w.turns_per_layer; }},
    {"m", [](const SheetWinding& w) -> double { return w.layers; }},
    {"last",
     [](const SheetWinding& w) -> double { return w.last_layer_turns; }},
    {"t", [](const SheetWinding& w) { return w.thickness_mm; }},
    {"MLT", [](const SheetWinding& w) { return w.mlt_mm; }},
    {"L", [](const SheetWinding& w) { return w.length_m; }},
    {"g", [](const SheetWinding& w) { return w.mass_g; }},
    {"R20", [](const SheetWinding& w) { return w.r20_ohm; }},
    {"R75", [](const SheetWinding& w) { return w.r75_ohm; }},
    {"loss", [](const SheetWinding& w) { return w.loss_w; }},
    {"V0", [](const SheetWinding& w) { return w.no_load_v.value(); }},
    {"V", [](const SheetWinding& w) { return w.full_load_v.value(); }},
};

using SheetFigure = double (*)(const WindingSheet&);
const std::map<std::string, SheetFigure> kSheetFigures = {
    {"P2", [](const WindingSheet& s) { return s.output_w; }},
    {"build", [](const WindingSheet& s) { return s.build_mm; }},
    {"coil", [](const WindingSheet& s) { return s.coil_mm; }},
    {"iron", [](const WindingSheet& s) { return s.iron_mass_g; }},
    {"B", [](const WindingSheet& s) { return s.flux_t; }},
    {"Fe", [](const WindingSheet& s) { return s.iron_loss_w; }},
    {"Cu", [](const WindingSheet& s) { return s.copper_loss_w; }},
    {"eff", [](const WindingSheet& s) { return s.efficiency; }},
    {"surface", [](const WindingSheet& s) { return s.surface_cm2; }},
    {"rise", [](const WindingSheet& s) { return s.temperature_rise_k; }},
    {"fuse", [](const WindingSheet& s) { return s.fuse_a.value(); }},
};

// One figure as the worked examples write it: numbers at the published
// decimals, "≤" before an overall diameter that is a bound.
std::string Shown(const Computed& computed, int winding, const std::string& key,
                  const std::string& published) {
  if (key == "core") {
    return computed.core ? BuiltInCores()[*computed.core].name : "none";
  }
  if (key == "sheet") {
    return std::holds_alternative<WindingSheet>(computed.outcome) ? "computed"
                                                                  : "none";
  }
  const WindingSheet& sheet = std::get<WindingSheet>(computed.outcome);
  if (key == "fits") return sheet.fits ? "yes" : "no";
  if (winding < 0) return AtDecimals(kSheetFigures.at(key)(sheet), published);
  const SheetWinding& w = sheet.windings.at(static_cast<std::size_t>(winding));
  if (key == "d") return w.d;
  if (key == "OD") {
    return (w.overall_is_bound ? "≤" : "") +
           AtDecimals(w.overall_mm, published);
  }
  return AtDecimals(kWindingFigures.at(key)(w), published);
}

// The figures of one winding (0 the primary) or of the whole sheet (-1),
// as "key value" pairs.
struct Published {
  const char* example;
  int winding;
  const char* figures;
};

void PrintTo(const Published& row, std::ostream* os) {
  *os << row.example << " " << (row.winding < 0 ? "sheet" : "winding")
      << (row.winding < 0 ? "" : std::to_string(row.winding));
}

class WorkedExamples : public testing::TestWithParam<Published> {};

TEST_P(WorkedExamples, ComeOutAsPublished) {
  const Computed& computed = Compute(GetParam().example);
  std::istringstream figures(GetParam().figures);
  for (std::string key, published; figures >> key >> published;) {
    SCOPED_TRACE(key);
    if (key != "core" && key != "sheet") {
      ASSERT_TRUE(std::holds_alternative<WindingSheet>(computed.outcome))
          << Compose(std::get<UserText>(computed.outcome));
    }
    EXPECT_EQ(Shown(computed, GetParam().winding, key, published), published);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Published, WorkedExamples,
    testing::Values(
        Published{"sample", 0,
                  "N 490 d 0.84 wire 0.85 OD ≤0.989 n 54 m 10 last 4 t 10.510 "
                  "MLT 241.42 L 118.595 g 598.3 R20 3.6033 R75 4.3822 "
                  "loss 6.997"},
        Published{"sample", 1,
                  "N 84 d 1.88 wire 1.90 OD ≤2.112 n 25 m 4 last 9 t 8.858 "
                  "MLT 302.26 L 25.690 g 647.5 R75 0.1900 loss 9.162 "
                  "V0 37.714 V 35.446"},
        Published{"sample", -1,
                  "build 20.568 coil 22.625 fits no iron 3678.0 B 0.9963 "
                  "Fe 12.980 Cu 16.159 eff 0.8956 surface 664.3 rise 34.0 "
                  "fuse 2 core EI-133"},
        Published{"thin", 0, "n 55 m 9"},
        Published{"thin", -1,
                  "coil 21.018 fits yes Fe 7.626 eff 0.9144 "
                  "rise 28.8"},
        Published{"extras", 0, "N 466 d 0.88 wire 0.90"},
        Published{"extras", 1, "N 80"},
        Published{"extras", 2, "N 14 d 1.01 wire 1.06"},
        Published{"extras", 3, "N 26 tap 13 d 0.72 wire 0.75 L 9.312"},
        Published{"extras", -1,
                  "P2 274.6 coil 23.903 fits no eff 0.8998 fuse 2.5"},
        Published{"nocore", -1, "sheet none core EI-114"},
        Published{"strands", 1, "strands 2 wire 2.65 n 9 m 3"},
        Published{"strands", -1, "coil 21.793 fits yes"},
        Published{"ei96", 0, "n 65 m 12 MLT 188.35 g 313.7"},
        Published{"ei96", 1, "wire 1.50 n 24 m 4"},
        Published{"ei96", -1,
                  "coil 17.142 fits no iron 1924.7 eff 0.8730 rise 27.8 "
                  "fuse 1 core EI-105"}),
    testing_support::ReadableName());

// Without extra secondaries and centre tap the sheet winds exactly what the
// main window computed: the same turns, wire diameters and core.
TEST(WindingSheet, UsesTheMainWindowsFieldsOnRandomDesigns) {
  std::mt19937 random(1717);
  const auto pick = [&random](double low, double high, double step) {
    const int steps = static_cast<int>((high - low) / step);
    return FormatGeneral(
        low + step * std::uniform_int_distribution<int>(0, steps)(random));
  };
  int computed = 0;
  constexpr int kDesigns = 300;
  for (int i = 0; i < kDesigns; ++i) {
    const CoreEntry& core =
        BuiltInCores()[std::uniform_int_distribution<std::size_t>(
            0, BuiltInCores().size() - 1)(random)];
    MemoryStore store;
    SetAll(store, {{"U1", pick(100, 400, 10)},
                   {"U2", pick(3, 120, 0.5)},
                   {"r1", pick(0, 0.3, 0.01)},
                   {"f2", pick(0, 0.2, 0.01)}});
    UseCore(store, core);
    store.SetText(Field::kOutputPower, pick(5, 600, 1));
    const FieldTexts design = CopyTexts(store);
    const SheetOutcome outcome = ComputeWindingSheet(design, {});
    const auto* sheet = std::get_if<WindingSheet>(&outcome);
    if (!sheet) continue;
    ++computed;
    SCOPED_TRACE(testing::Message()
                 << core.name << " U1 " << design[Field::kInputVoltage]
                 << " U2 " << design[Field::kOutputVoltage] << " P2 "
                 << design[Field::kOutputPower]);
    ASSERT_EQ(sheet->windings.size(), 2u);
    EXPECT_EQ(sheet->windings[0].turns, ReadField(store, Field::kPrimaryTurns));
    EXPECT_EQ(sheet->windings[1].turns,
              ReadField(store, Field::kSecondaryTurns));
    EXPECT_EQ(sheet->windings[0].d, store.Text(Field::kPrimaryWireDiameter));
    EXPECT_EQ(sheet->windings[1].d, store.Text(Field::kSecondaryWireDiameter));
    EXPECT_EQ(sheet->section_cm2, ReadField(store, Field::kCoreSection));
    EXPECT_EQ(sheet->b_mm, ReadField(store, Field::kStackThickness));
    EXPECT_EQ(sheet->effective_height_mm,
              ReadField(store, Field::kEffectiveHeight));
  }
  // Most random designs have a sheet, so the comparison above is real.
  EXPECT_GT(computed, kDesigns * 3 / 4);
}

// What stops the sheet is named in one line; nothing is computed from it.
struct Stop {
  const char* what;
  Texts after;  // changed after the sample design was calculated
  SheetChoices choices;
  const char* reason;  // a part of the line
};

void PrintTo(const Stop& stop, std::ostream* os) { *os << stop.what; }

class Reasons : public testing::TestWithParam<Stop> {};

TEST_P(Reasons, NameWhatIsMissing) {
  MemoryStore store;
  Command9_Click(store);
  CalculateDesign(store);
  SetAll(store, GetParam().after);
  const SheetOutcome outcome =
      ComputeWindingSheet(CopyTexts(store), GetParam().choices);
  ASSERT_TRUE(std::holds_alternative<UserText>(outcome));
  const std::string reason = Compose(std::get<UserText>(outcome));
  EXPECT_NE(reason.find(GetParam().reason), std::string::npos) << reason;
  EXPECT_EQ(reason.find('\n'), std::string::npos);
}

SheetChoices WithExtra(const char* u, const char* i) {
  SheetChoices choices;
  choices.secondaries.SetExtras({{u, i, false}});
  return choices;
}

SheetChoices WithSteel(const char* steel) {
  SheetChoices choices;
  choices.steel = steel;
  return choices;
}

INSTANTIATE_TEST_SUITE_P(
    Stops, Reasons,
    testing::Values(
        Stop{"empty U1", {{"U1", ""}}, {}, "请先输入 U1"},
        Stop{
            "U2 no number", {{"U2", "36V"}}, {}, "U2（输出电压）“36V”不是数字"},
        Stop{"no core", {{"h", ""}, {"c", ""}, {"a", ""}}, {}, "还没有铁心"},
        Stop{"negative r1",
             {{"r1", "-0.1"}},
             {},
             "r1（初级外层绝缘） 不能小于 0"},
        Stop{"rated power", {{"P2", "1500"}}, {}, "额定功率 P 超过 1000 瓦"},
        Stop{"window too low", {{"h", "1.5"}, {"P2", "251"}}, {}, "太低"},
        Stop{
            "no turns", {{"U2", "0.01"}, {"P2", "251"}}, {}, "次级1：匝数为 0"},
        Stop{"extra U no number", {}, WithExtra("x", "1"), "次级2 的电压“x”"},
        Stop{
            "extra I empty", {}, WithExtra("6.3", ""), "请先输入 次级2 的电流"},
        Stop{"unknown steel", {}, WithSteel("50W999"), "50W999"},
        Stop{"17 strands", {{"d2", "12.61"}}, {}, "并绕超过 16 股"}),
    testing_support::ReadableName());

// Sixteen strands are the most a winding takes; the sheet says so.
TEST(WindingSheet, WindsUpToSixteenStrandsOfTheLargestSize) {
  MemoryStore store;
  Command9_Click(store);
  CalculateDesign(store);
  store.SetText(Field::kSecondaryWireDiameter, "12.6");
  const SheetOutcome outcome = ComputeWindingSheet(CopyTexts(store), {});
  ASSERT_TRUE(std::holds_alternative<WindingSheet>(outcome))
      << Compose(std::get<UserText>(outcome));
  const WindingSheet& sheet = std::get<WindingSheet>(outcome);
  EXPECT_EQ(sheet.windings[1].strands, 16);
  EXPECT_EQ(sheet.windings[1].wire, StandardWires().size() - 1);
  bool noted = false;
  for (const UserText& note : sheet.notes) {
    noted = noted || Compose(note).find("16 股") != std::string::npos;
  }
  EXPECT_TRUE(noted);
}

// The recommended core is the first in the smallest-fit order that builds,
// and every core the sheet judges builds exactly when its coil is below c.
TEST(WindingSheet, RecommendsTheSmallestCoreThatBuilds) {
  MemoryStore store;
  SetAll(store, {{"U1", "220"}, {"U2", "24"}, {"P2", "150"}});
  CoreCatalogue catalogue;
  catalogue.AddUserCore({"Mine", "33", "30", "45"});
  const FieldTexts design = CopyTexts(store);
  const SheetCoreSelection all =
      JudgeCoresBySheet(design, {}, catalogue.cores());
  const auto recommended = RecommendCore(design, {}, catalogue.cores());
  ASSERT_TRUE(recommended.has_value());
  EXPECT_EQ(recommended, all.smallest_buildable);
  EXPECT_EQ(catalogue.cores()[*recommended].name, "Mine");
  for (std::size_t i = 0; i < catalogue.cores().size(); ++i) {
    SCOPED_TRACE(catalogue.cores()[i].name);
    const SheetOutcome alone =
        WindingSheetWithCore(design, {}, catalogue.cores()[i]);
    ASSERT_TRUE(std::holds_alternative<WindingSheet>(alone));
    ASSERT_TRUE(all.results[i].coil_mm.has_value());
    EXPECT_EQ(*all.results[i].coil_mm, std::get<WindingSheet>(alone).coil_mm);
    EXPECT_EQ(all.results[i].builds,
              *all.results[i].coil_mm < catalogue.cores()[i].c_mm);
  }
  for (std::size_t i : SmallestFitOrder(catalogue.cores())) {
    if (i == *recommended) break;
    EXPECT_FALSE(all.results[i].builds) << catalogue.cores()[i].name;
  }
}

// The searches wind the coil alone: the same windings and coil as the
// whole sheet, only without the running figures and notes.
TEST(SheetDetail, TheCoilAloneIsTheWholeSheetsCoil) {
  for (const std::string& name : testing_support::SheetDesignNames()) {
    SCOPED_TRACE(name);
    testing_support::SheetDesignInput input =
        testing_support::SheetDesignInputOf(name);
    for (const char* stack : {"", "80"}) {
      input.choices.stack_mm = stack;
      const SheetOutcome full = ComputeWindingSheet(input.texts, input.choices);
      const SheetOutcome coil =
          ComputeWindingSheet(input.texts, input.choices, SheetDetail::kCoil);
      ASSERT_TRUE(std::holds_alternative<WindingSheet>(full));
      ASSERT_TRUE(std::holds_alternative<WindingSheet>(coil));
      const WindingSheet& a = std::get<WindingSheet>(full);
      const WindingSheet& b = std::get<WindingSheet>(coil);
      EXPECT_EQ(b.coil_mm, a.coil_mm);
      EXPECT_EQ(b.fits, a.fits);
      EXPECT_EQ(b.Builds(), a.Builds());
      EXPECT_EQ(b.StackRatio(), a.StackRatio());
      ASSERT_EQ(b.windings.size(), a.windings.size());
      for (std::size_t k = 0; k < a.windings.size(); ++k) {
        EXPECT_EQ(b.windings[k].turns, a.windings[k].turns);
        EXPECT_EQ(b.windings[k].thickness_mm, a.windings[k].thickness_mm);
      }
      EXPECT_TRUE(b.notes.empty());
    }
  }
}

}  // namespace
}  // namespace spulix
