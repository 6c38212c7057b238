// SPDX-License-Identifier: GPL-3.0-or-later
// Engine speed: a full calculation of the sample design on the in-memory
// store, the build-up recalculation, the winding sheet and the cores it
// recommends, the coil's drawing, one steady state of a rectifier on a winding,
// and each field text operation.
#include <benchmark/benchmark.h>

#include <string>
#include <variant>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/parts/core_selection.h"
#include "design/rectifier/rectifier_simulation.h"
#include "design/sheet/coil_section.h"
#include "design/sheet/core_rating.h"
#include "design/sheet/core_search.h"
#include "design/sheet/main_dc_load.h"
#include "design/sheet/winding_sheet.h"
#include "design/transformer_design.h"
#include "design/winding_build_up.h"
#include "present/coil_svg.h"

namespace spulix {
namespace {

MemoryStore SampleStore() {
  MemoryStore store;
  Command9_Click(store);
  store.SetText(Field::kOutputPower, "");
  store.SetText(Field::kOutputPower, "250");  // now with the insulation
  return store;
}

void BM_CalculateDesign(benchmark::State& state) {
  MemoryStore store = SampleStore();
  for (auto _ : state) {
    CalculateDesign(store);
    benchmark::DoNotOptimize(store);
  }
  state.counters["runs_per_second"] = benchmark::Counter(
      static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CalculateDesign);

// A keystroke in P2 as the window sees it: a change plus its calculation.
void BM_KeystrokeInP2(benchmark::State& state) {
  MemoryStore store = SampleStore();
  bool toggle = false;
  for (auto _ : state) {
    store.SetText(Field::kOutputPower, toggle ? "250" : "25");
    toggle = !toggle;
  }
}
BENCHMARK(BM_KeystrokeInP2);

void BM_RecalculateBuildUp(benchmark::State& state) {
  MemoryStore store = SampleStore();
  for (auto _ : state) RecalculateBuildUp(store);
}
BENCHMARK(BM_RecalculateBuildUp);

// The shipped cores plus 100 of the user's own, as the core window and the
// sheet window see them.
CoreCatalogue LargeCatalogue() {
  CoreCatalogue catalogue;
  for (int i = 0; i < 100; ++i) {
    const double a = 10 + i * 0.5;
    catalogue.AddUserCore({"U-" + std::to_string(i), std::to_string(a),
                           std::to_string(a / 2), std::to_string(a * 1.5)});
  }
  return catalogue;
}

// Judging every core for one design, as the core window does after each
// change of the design: the shipped cores plus 100 of the user's own.
void BM_SelectCoreWholeCatalogue(benchmark::State& state) {
  const CoreCatalogue catalogue = LargeCatalogue();
  const FieldTexts design = CopyTexts(SampleStore());
  for (auto _ : state) {
    benchmark::DoNotOptimize(SelectCore(design, catalogue.cores()));
  }
  state.counters["cores"] = static_cast<double>(catalogue.cores().size());
}
BENCHMARK(BM_SelectCoreWholeCatalogue)->Unit(benchmark::kMicrosecond);

// The sheet for one design, as its window computes it after each change.
void BM_WindingSheet(benchmark::State& state) {
  const FieldTexts design = CopyTexts(SampleStore());
  const SheetChoices choices;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeWindingSheet(design, choices));
  }
}
BENCHMARK(BM_WindingSheet)->Unit(benchmark::kMicrosecond);

// With two extra secondaries the sheet recalculates a copy of the design.
void BM_WindingSheetWithExtras(benchmark::State& state) {
  const FieldTexts design = CopyTexts(SampleStore());
  SheetChoices choices;
  choices.secondaries.SetExtras({{"6.3", "2", false}, {"12", "1", true}});
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeWindingSheet(design, choices));
  }
}
BENCHMARK(BM_WindingSheetWithExtras)->Unit(benchmark::kMicrosecond);

// The coil's cross-section of a sheet with five windings, drawn as the SVG
// export draws it: the geometry and the text together.
void BM_CoilDrawingFiveWindings(benchmark::State& state) {
  const FieldTexts design = CopyTexts(SampleStore());
  SheetChoices choices;
  choices.secondaries.main().center_tap = true;
  choices.secondaries.SetExtras(
      {{"6.3", "2", false}, {"12", "1", true}, {"5", "0.5", false}});
  const WindingSheet sheet =
      std::get<WindingSheet>(ComputeWindingSheet(design, choices));
  for (auto _ : state) {
    benchmark::DoNotOptimize(CoilSvg(CoilSectionOf(sheet)));
  }
  state.counters["windings"] = static_cast<double>(sheet.windings.size());
}
BENCHMARK(BM_CoilDrawingFiveWindings)->Unit(benchmark::kMicrosecond);

// The core in hand: every whole watt of EI-96 on a 50 mm stack tried by
// the sheet, as the 绕制单 window does after each change.
void BM_RateCore(benchmark::State& state) {
  const CoreCatalogue catalogue;
  const CoreEntry& core = catalogue.cores()[*catalogue.FindByName("EI-96")];
  MemoryStore store;
  store.SetText(Field::kInputVoltage, "220");
  store.SetText(Field::kOutputVoltage, "24");
  SheetChoices choices;
  choices.stack_mm = "50";
  const FieldTexts design = CopyTexts(store);
  for (auto _ : state) {
    benchmark::DoNotOptimize(RateCore(design, choices, core));
  }
}
BENCHMARK(BM_RateCore)->Unit(benchmark::kMillisecond);

// The recommended core for a design with only U1, U2 and P2, over 13 + 100
// cores: tried smallest first until one builds.
void BM_RecommendCore(benchmark::State& state) {
  const CoreCatalogue catalogue = LargeCatalogue();
  MemoryStore store;
  store.SetText(Field::kInputVoltage, "220");
  store.SetText(Field::kOutputVoltage, "24");
  store.SetText(Field::kOutputPower, "150");
  const FieldTexts design = CopyTexts(store);
  for (auto _ : state) {
    benchmark::DoNotOptimize(RecommendCore(design, {}, catalogue.cores()));
  }
  state.counters["cores"] = static_cast<double>(catalogue.cores().size());
}
BENCHMARK(BM_RecommendCore)->Unit(benchmark::kMicrosecond);

// Every one of the 13 + 100 cores judged by the sheet, as --cores does; also
// what the recommendation costs when no core builds.
void BM_JudgeCoresBySheet(benchmark::State& state) {
  const CoreCatalogue catalogue = LargeCatalogue();
  const FieldTexts design = CopyTexts(SampleStore());
  for (auto _ : state) {
    benchmark::DoNotOptimize(JudgeCoresBySheet(design, {}, catalogue.cores()));
  }
  state.counters["cores"] = static_cast<double>(catalogue.cores().size());
}
BENCHMARK(BM_JudgeCoresBySheet)->Unit(benchmark::kMicrosecond);

// One steady state of a 24 V 2 A bridge on 4700 µF from a 100 VA winding,
// as each round of solving a DC load runs it.
void BM_RectifierSteadyState(benchmark::State& state) {
  DcLoad load;
  load.kind = RectifierKind::kBridge;
  load.idc_a = 2;
  load.capacitance_uf = 4700;
  WindingSource source;
  source.emf_v = 21.5;
  source.r75_ohm = 0.35;
  source.primary_r75_ohm = 4.0;
  source.turns = 110;
  source.primary_turns = 1130;
  int half_cycles = 0;
  for (auto _ : state) {
    const RectifierOutcome outcome = SimulateRectifier(load, source);
    half_cycles = std::get<RectifierSteadyState>(outcome).half_cycles;
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["half_cycles"] = half_cycles;
}
BENCHMARK(BM_RectifierSteadyState)->Unit(benchmark::kMicrosecond);

void BM_ReadStrict(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadStrict(" 1,234.56 "));
}
BENCHMARK(BM_ReadStrict);

void BM_ReadLenient(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadLenient("1,234.56"));
}
BENCHMARK(BM_ReadLenient);

void BM_FormatPattern(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatPattern(1338.754, Pattern::kTwoDecimals));
  }
}
BENCHMARK(BM_FormatPattern);

void BM_FormatGeneral(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FormatGeneral(264.5));
}
BENCHMARK(BM_FormatGeneral);

void BM_FormatWhole(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FormatWhole(490));
}
BENCHMARK(BM_FormatWhole);

// 次级1's ±35 V 3 A load solved with the sheet in the loop on the core
// recommended in each round: one DC winding as the 绕制单 window solves it.
void BM_SolveMainDcLoad(benchmark::State& state) {
  MemoryStore store;
  store.SetText(Field::kInputVoltage, "220");
  SheetChoices choices;
  SecondaryLoad& load = choices.secondaries.main().load;
  load.kind = LoadKind::kSplit;
  load.udc = "35";
  load.idc = "3";
  load.c_uf = "10000";
  for (auto _ : state) {
    MainDcOutcome outcome =
        SolveMainDcLoad(store.texts(), choices, BuiltInCores());
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_SolveMainDcLoad)->Unit(benchmark::kMillisecond);

void BM_RoundToInt16(benchmark::State& state) {
  double value = 62.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(RoundToInt16(value));
  }
}
BENCHMARK(BM_RoundToInt16);

void BM_RoundToInt32(benchmark::State& state) {
  double value = 277.78;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(RoundToInt32(value));
  }
}
BENCHMARK(BM_RoundToInt32);

}  // namespace
}  // namespace spulix
