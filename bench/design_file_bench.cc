// SPDX-License-Identifier: GPL-3.0-or-later
// Design files and the report as the window runs them: saving and opening
// a design (targets: under 5 ms each), exporting the two-page PDF report
// (under 300 ms); and the hostile shapes of design file that reading refuses
// (under 50 ms each; their peak memory is measured by design_file_bench.sh
// on spulix-calc).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <string>
#include <variant>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "document/design_file.h"
#include "ui/main_window/main_window.h"
#include "ui/output/design_file_commands.h"

namespace spulix {
namespace {

struct Fixture {
  Fixture() : files(window.design_files()) {
    window.store().SetMessageSink([](std::string_view) {});
    Command9_Click(window.store());
    // Calculated, so that the report's second page has the winding sheet.
    CalculateDesign(window.store());
    design = dir.filePath(QStringLiteral("bench.spulix"));
    files.SaveTo(design);
  }
  QTemporaryDir dir;
  MainWindow window;
  DesignFileCommands& files;
  QString design;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_SaveDesign(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    if (!f.files.SaveTo(f.design)) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveDesign)->Unit(benchmark::kMillisecond);

void BM_OpenDesign(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    if (!f.files.Open(f.design)) state.SkipWithError("open failed");
  }
}
BENCHMARK(BM_OpenDesign)->Unit(benchmark::kMillisecond);

void BM_ExportReport(benchmark::State& state) {
  Fixture& f = Shared();
  const QString pdf = f.dir.filePath(QStringLiteral("bench.pdf"));
  for (auto _ : state) {
    if (!f.files.ExportReportTo(pdf)) state.SkipWithError("export failed");
  }
}
BENCHMARK(BM_ExportReport)->Unit(benchmark::kMillisecond);

// A megabyte of opening brackets.
std::string NestedBrackets() { return std::string(kMaxDesignFileBytes, '['); }

// An object of 80,000 short keys, just under a megabyte.
std::string ManyKeys() {
  std::string text = "{";
  for (int i = 0; i < 80000; ++i) {
    text += (i ? ",\"k" : "\"k") + std::to_string(100000 + i) + "\":0";
  }
  return text + "}";
}

// The costliest text the checks let through to the parser: as many keys as
// allowed, with values that fill the size limit.
std::string WidestAllowed() {
  const std::uint64_t keys = kMaxDesignValues - 1;
  const std::string value(kMaxDesignFileBytes / keys - 16, 'x');
  std::string text = "{";
  for (std::uint64_t i = 0; i < keys; ++i) {
    text += (i ? ",\"k" : "\"k") + std::to_string(100000 + i) + "\":\"" +
            value + "\"";
  }
  return text + "}";
}

void BM_ReadHostile(benchmark::State& state, std::string (*make)()) {
  Fixture& f = Shared();
  const std::string path =
      f.dir.filePath(QStringLiteral("hostile.spulix")).toStdString();
  const std::string text = make();
  if (auto error = SaveDesignText(path, text)) {
    state.SkipWithError("cannot write the file");
    return;
  }
  for (auto _ : state) {
    const DesignParse parse = ReadDesignFile(path);
    if (!std::holds_alternative<DesignError>(parse)) {
      state.SkipWithError("accepted");
    }
  }
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK_CAPTURE(BM_ReadHostile, NestedBrackets, &NestedBrackets)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHostile, ManyKeys, &ManyKeys)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHostile, WidestAllowed, &WidestAllowed)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace spulix

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
