// SPDX-License-Identifier: GPL-3.0-or-later
// Engine speed: a full calculation of the sample design on the in-memory
// store, the build-up recalculation, and each field text operation.
#include <benchmark/benchmark.h>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/transformer_design.h"
#include "design/winding_build_up.h"

namespace spulix {
namespace {

MemoryStore SampleStore() {
  MemoryStore store;
  Command9_Click(store);
  store.SetText(Field::kP2, "");
  store.SetText(Field::kP2, "250");  // now with the insulation
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
    store.SetText(Field::kP2, toggle ? "250" : "25");
    toggle = !toggle;
  }
}
BENCHMARK(BM_KeystrokeInP2);

void BM_RecalculateBuildUp(benchmark::State& state) {
  MemoryStore store = SampleStore();
  for (auto _ : state) RecalculateBuildUp(store);
}
BENCHMARK(BM_RecalculateBuildUp);

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
