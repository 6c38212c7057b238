// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/winding_sheet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <variant>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/wire_table.h"
#include "store_helpers.h"
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
    SheetChoices thin;
    thin.enamel_grade = 1;
    thin.steel = "50W470";
    SheetChoices extras;
    extras.extra_secondaries = {{"6.3", "2", false}, {"12", "1", true}};
    return new std::map<std::string, Example>{
        {"sample", {sample, {}}},
        {"thin", {sample, thin}},
        {"extras", {sample, extras}},
        {"nocore", {{{"U1", "220"}, {"U2", "24"}, {"P2", "150"}}, {}}},
        {"strands",
         {{{"U1", "220"},
           {"U2", "12"},
           {"h", "66.6"},
           {"c", "22.2"},
           {"a", "44.4"},
           {"P2", "300"}},
          {}}},
        {"ei96",
         {{{"U1", "220"},
           {"U2", "24"},
           {"h", "48"},
           {"c", "16"},
           {"a", "32"},
           {"P2", "100"}},
          {}}},
    };
  }();
  return *examples;
}

// An example's sheet and recommended core, computed once.
struct Computed {
  SheetOutcome outcome;
  std::string recommended;  // "none" when there is none
  const WindingSheet& sheet() const { return std::get<WindingSheet>(outcome); }
};

const Computed& Compute(const std::string& name) {
  static std::map<std::string, Computed> cache;
  if (auto it = cache.find(name); it != cache.end()) return it->second;
  const Example& example = Examples().at(name);
  MemoryStore store;
  CalculateDesign(store);
  SetAll(store, example.fields);
  const DesignTexts design = CopyTexts(store);
  const auto core = RecommendCore(design, example.choices, BuiltInCores());
  return cache[name] = {ComputeWindingSheet(design, example.choices),
                        core ? BuiltInCores()[*core].name : "none"};
}

using Value = std::variant<double, std::string>;
using Getter = Value (*)(const Computed&);

struct Figure {
  const char* example;
  const char* what;
  Getter get;
  const char* published;  // a number is compared at its decimals
};

void PrintTo(const Figure& figure, std::ostream* os) {
  *os << figure.example << " " << figure.what;
}

Value Wire(const Computed& c, int k) {
  return StandardWires()[c.sheet().windings[k].wire].nominal_mm;
}
Value Fits(const Computed& c) {
  return std::string(c.sheet().fits ? "fits" : "too thick");
}
Value Bound(const Computed& c, int k) {
  return std::string(c.sheet().windings[k].overall_is_bound ? "bound"
                                                            : "known");
}

Value V(double number) { return number; }
Value V(const std::string& text) { return text; }

#define W(k, member) \
  [](const Computed& c) { return V(c.sheet().windings[k].member); }
#define S(member) [](const Computed& c) { return V(c.sheet().member); }

const Figure kFigures[] = {
    {"sample", "primary_N", W(0, turns), "490"},
    {"sample", "primary_d", W(0, d), "0.84"},
    {"sample", "primary_wire", [](auto& c) { return Wire(c, 0); }, "0.85"},
    {"sample", "primary_OD", W(0, overall_mm), "0.989"},
    {"sample", "primary_OD_bound", [](auto& c) { return Bound(c, 0); },
     "bound"},
    {"sample", "primary_n", W(0, turns_per_layer), "54"},
    {"sample", "primary_m", W(0, layers), "10"},
    {"sample", "primary_last", W(0, last_layer_turns), "4"},
    {"sample", "primary_t", W(0, thickness_mm), "10.510"},
    {"sample", "primary_MLT", W(0, mlt_mm), "241.42"},
    {"sample", "primary_L", W(0, length_m), "118.595"},
    {"sample", "primary_mass", W(0, mass_g), "598.3"},
    {"sample", "primary_R20", W(0, r20_ohm), "3.6033"},
    {"sample", "primary_R75", W(0, r75_ohm), "4.3822"},
    {"sample", "primary_loss", W(0, loss_w), "6.997"},
    {"sample", "secondary_N", W(1, turns), "84"},
    {"sample", "secondary_d", W(1, d), "1.88"},
    {"sample", "secondary_wire", [](auto& c) { return Wire(c, 1); }, "1.90"},
    {"sample", "secondary_OD", W(1, overall_mm), "2.112"},
    {"sample", "secondary_OD_bound", [](auto& c) { return Bound(c, 1); },
     "bound"},
    {"sample", "secondary_n", W(1, turns_per_layer), "25"},
    {"sample", "secondary_m", W(1, layers), "4"},
    {"sample", "secondary_last", W(1, last_layer_turns), "9"},
    {"sample", "secondary_t", W(1, thickness_mm), "8.858"},
    {"sample", "secondary_MLT", W(1, mlt_mm), "302.26"},
    {"sample", "secondary_L", W(1, length_m), "25.690"},
    {"sample", "secondary_mass", W(1, mass_g), "647.5"},
    {"sample", "secondary_R75", W(1, r75_ohm), "0.1900"},
    {"sample", "secondary_loss", W(1, loss_w), "9.162"},
    {"sample", "secondary_no_load", W(1, no_load_v.value()), "37.714"},
    {"sample", "secondary_full_load", W(1, full_load_v.value()), "35.446"},
    {"sample", "build", S(build_mm), "20.568"},
    {"sample", "coil", S(coil_mm), "22.625"},
    {"sample", "verdict", Fits, "too thick"},
    {"sample", "iron", S(iron_mass_g), "3678.0"},
    {"sample", "B", S(flux_t), "0.9963"},
    {"sample", "iron_loss", S(iron_loss_w), "12.980"},
    {"sample", "copper_loss", S(copper_loss_w), "16.159"},
    {"sample", "efficiency", S(efficiency), "0.8956"},
    {"sample", "surface", S(surface_cm2), "664.3"},
    {"sample", "rise", S(temperature_rise_k), "34.0"},
    {"sample", "fuse", S(fuse_a.value()), "2"},
    {"sample", "recommended", [](auto& c) -> Value { return c.recommended; },
     "EI-133"},
    {"thin", "primary_n", W(0, turns_per_layer), "55"},
    {"thin", "primary_m", W(0, layers), "9"},
    {"thin", "coil", S(coil_mm), "21.018"},
    {"thin", "verdict", Fits, "fits"},
    {"thin", "iron_loss", S(iron_loss_w), "7.626"},
    {"thin", "efficiency", S(efficiency), "0.9144"},
    {"thin", "rise", S(temperature_rise_k), "28.8"},
    {"extras", "P2", S(output_w), "274.6"},
    {"extras", "primary_N", W(0, turns), "466"},
    {"extras", "primary_d", W(0, d), "0.88"},
    {"extras", "primary_wire", [](auto& c) { return Wire(c, 0); }, "0.90"},
    {"extras", "secondary1_N", W(1, turns), "80"},
    {"extras", "secondary2_N", W(2, turns), "14"},
    {"extras", "secondary2_d", W(2, d), "1.01"},
    {"extras", "secondary2_wire", [](auto& c) { return Wire(c, 2); }, "1.06"},
    {"extras", "secondary3_N", W(3, turns), "26"},
    {"extras", "secondary3_tap", W(3, tap.value()), "13"},
    {"extras", "secondary3_d", W(3, d), "0.72"},
    {"extras", "secondary3_wire", [](auto& c) { return Wire(c, 3); }, "0.75"},
    {"extras", "secondary3_L", W(3, length_m), "9.312"},
    {"extras", "coil", S(coil_mm), "23.903"},
    {"extras", "verdict", Fits, "too thick"},
    {"extras", "efficiency", S(efficiency), "0.8998"},
    {"extras", "fuse", S(fuse_a.value()), "2.5"},
    {"nocore", "sheet",
     [](auto& c) -> Value {
       return std::string(std::holds_alternative<std::string>(c.outcome)
                              ? "cannot compute"
                              : "computed");
     },
     "cannot compute"},
    {"nocore", "recommended", [](auto& c) -> Value { return c.recommended; },
     "EI-114"},
    {"strands", "secondary_strands", W(1, strands), "2"},
    {"strands", "secondary_wire", [](auto& c) { return Wire(c, 1); }, "2.65"},
    {"strands", "secondary_n", W(1, turns_per_layer), "9"},
    {"strands", "secondary_m", W(1, layers), "3"},
    {"strands", "coil", S(coil_mm), "21.793"},
    {"strands", "verdict", Fits, "fits"},
    {"ei96", "primary_n", W(0, turns_per_layer), "65"},
    {"ei96", "primary_m", W(0, layers), "12"},
    {"ei96", "primary_MLT", W(0, mlt_mm), "188.35"},
    {"ei96", "primary_mass", W(0, mass_g), "313.7"},
    {"ei96", "secondary_wire", [](auto& c) { return Wire(c, 1); }, "1.50"},
    {"ei96", "secondary_n", W(1, turns_per_layer), "24"},
    {"ei96", "secondary_m", W(1, layers), "4"},
    {"ei96", "coil", S(coil_mm), "17.142"},
    {"ei96", "verdict", Fits, "too thick"},
    {"ei96", "iron", S(iron_mass_g), "1924.7"},
    {"ei96", "efficiency", S(efficiency), "0.8730"},
    {"ei96", "rise", S(temperature_rise_k), "27.8"},
    {"ei96", "fuse", S(fuse_a.value()), "1"},
    {"ei96", "recommended", [](auto& c) -> Value { return c.recommended; },
     "EI-105"},
};

#undef W
#undef S

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

class WorkedExamples : public testing::TestWithParam<Figure> {};

TEST_P(WorkedExamples, ComeOutAsPublished) {
  const Figure& figure = GetParam();
  const Computed& computed = Compute(figure.example);
  const std::string what = figure.what;
  if (auto* reason = std::get_if<std::string>(&computed.outcome);
      reason && what != "sheet" && what != "recommended") {
    FAIL() << "no sheet: " << *reason;
  }
  const Value value = figure.get(computed);
  if (const auto* number = std::get_if<double>(&value)) {
    EXPECT_EQ(AtDecimals(*number, figure.published), figure.published);
  } else {
    EXPECT_EQ(std::get<std::string>(value), figure.published);
  }
}

INSTANTIATE_TEST_SUITE_P(Published, WorkedExamples, testing::ValuesIn(kFigures),
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
    const DesignTexts design = CopyTexts(store);
    const SheetOutcome outcome = ComputeWindingSheet(design, {});
    const auto* sheet = std::get_if<WindingSheet>(&outcome);
    if (!sheet) continue;
    ++computed;
    SCOPED_TRACE(testing::Message()
                 << core.name << " U1 " << design[9] << " U2 " << design[10]
                 << " P2 " << design[0]);
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
  ASSERT_TRUE(std::holds_alternative<std::string>(outcome));
  const std::string& reason = std::get<std::string>(outcome);
  EXPECT_NE(reason.find(GetParam().reason), std::string::npos) << reason;
  EXPECT_EQ(reason.find('\n'), std::string::npos);
}

SheetChoices WithExtra(const char* u, const char* i) {
  SheetChoices choices;
  choices.extra_secondaries = {{u, i, false}};
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
        Stop{"window too low", {{"h", "2.5"}, {"P2", "251"}}, {}, "太低"},
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
      << std::get<std::string>(outcome);
  const WindingSheet& sheet = std::get<WindingSheet>(outcome);
  EXPECT_EQ(sheet.windings[1].strands, 16);
  EXPECT_EQ(sheet.windings[1].wire, StandardWires().size() - 1);
  bool noted = false;
  for (const std::string& note : sheet.notes) {
    noted = noted || note.find("16 股") != std::string::npos;
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
  const DesignTexts design = CopyTexts(store);
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

}  // namespace
}  // namespace spulix
