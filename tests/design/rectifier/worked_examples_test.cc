// SPDX-License-Identifier: GPL-3.0-or-later
// Three DC loads whose windings an independent implementation worked out:
// 次级1 built by the winding sheet on the recommended core, as the sheet will
// do it, with U1 220 V, enamel grade 2, steel 50W800 and no insulation.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <variant>

#include "design/memory_store.h"
#include "design/parts/core_catalogue.h"
#include "design/rectifier/dc_load_solver.h"
#include "design/sheet/core_search.h"
#include "design/sheet/winding_sheet.h"
#include "tests/design/store_helpers.h"

namespace spulix {
namespace {

using testing_support::Choices;
using testing_support::SetAll;

// 次级1 for a request, wound on the smallest core the sheet can build.
struct SheetWinding1 {
  RectifierKind kind;
  std::string* core;  // the core of the last request

  WindingBuild operator()(const WindingRequest& request) const {
    MemoryStore store;
    SetAll(store, {{"U1", "220"},
                   {"U2", request.voltage_text},
                   {"P2", request.power_text}});
    const FieldTexts design = CopyTexts(store);
    const SheetChoices choices = Choices({}, IsCentreTapped(kind));
    const std::optional<std::size_t> index =
        RecommendCore(design, choices, BuiltInCores());
    if (!index) return Verbatim("no core builds");
    *core = BuiltInCores()[*index].name;
    const SheetOutcome outcome =
        WindingSheetWithCore(design, choices, BuiltInCores()[*index]);
    if (const auto* reason = std::get_if<UserText>(&outcome)) return *reason;
    const WindingSheet& sheet = std::get<WindingSheet>(outcome);
    const SheetWinding& primary = sheet.windings.at(0);
    const SheetWinding& secondary = sheet.windings.at(1);
    WindingSource source;
    source.emf_v = secondary.no_load_v.value_or(0);
    source.r75_ohm = secondary.r75_ohm;
    source.primary_r75_ohm = primary.r75_ohm;
    source.turns = secondary.turns;
    source.primary_turns = primary.turns;
    return source;
  }
};

struct WorkedExample {
  const char* name;
  RectifierKind kind;
  double udc_v;
  double idc_a;
  double capacitance_uf;
  // As the independent implementation found them.
  double u2_v;
  double p2_w;
  const char* core;
  double vdc_v;
  double ripple_v;
  double winding_a;
};

std::ostream& operator<<(std::ostream& out, const WorkedExample& e) {
  return out << e.name;
}

class WorkedExampleTest : public testing::TestWithParam<WorkedExample> {};

// Within one typed step (0.1 V, 1 W), and the figures to their decimals.
TEST_P(WorkedExampleTest, AgreesWithAnIndependentSolution) {
  const WorkedExample& e = GetParam();
  DcLoad load;
  load.kind = e.kind;
  load.udc_v = e.udc_v;
  load.idc_a = e.idc_a;
  load.capacitance_uf = e.capacitance_uf;
  std::string core;
  const DcSolveOutcome outcome =
      SolveDcLoad(load, SheetWinding1{e.kind, &core});
  const auto* solution = std::get_if<DcSolution>(&outcome);
  ASSERT_NE(solution, nullptr)
      << Compose(std::get<DcSolveFailure>(outcome).reason);
  EXPECT_NEAR(solution->winding.voltage_v, e.u2_v, 0.1 + 1e-9);
  EXPECT_NEAR(std::stod(solution->winding.power_text), e.p2_w, 1);
  EXPECT_EQ(core, e.core);
  const RectifierSteadyState& r = solution->rectifier;
  EXPECT_NEAR(r.vdc_v, e.vdc_v, 0.01 * e.vdc_v);
  EXPECT_NEAR(r.ripple_v, e.ripple_v, 0.02 * e.ripple_v);
  EXPECT_NEAR(solution->winding.current_a, e.winding_a, 0.01 * e.winding_a);
}

INSTANTIATE_TEST_SUITE_P(
    Published, WorkedExampleTest,
    testing::Values(
        WorkedExample{"bridge_24V_2A", RectifierKind::kBridge, 24, 2, 4700,
                      20.0, 77, "EI-96", 24.01, 2.96, 3.86},
        WorkedExample{"split_35V_3A", RectifierKind::kSplit, 35, 3, 10000, 52.9,
                      348, "EI-133", 35.02, 2.28, 6.57},
        WorkedExample{"bridge_12V_5A", RectifierKind::kBridge, 12, 5, 10000,
                      10.7, 101, "EI-105", 11.94, 3.40, 9.45}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace spulix
