// SPDX-License-Identifier: GPL-3.0-or-later
// Design files and the report as the window runs them: saving and opening
// a design (targets: under 5 ms each), exporting the PDF report (under
// 300 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "design/field_reactions.h"
#include "ui/design_file_commands.h"
#include "ui/main_window.h"

namespace spulix {
namespace {

struct Fixture {
  Fixture() : files(window.design_files()) {
    window.store().SetMessageSink([](std::string_view) {});
    Command9_Click(window.store());
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
