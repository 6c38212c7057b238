#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Saving, opening and exporting a design in the window. Prints the details,
# then "summary|" lines that scripts/bench gathers into its table.
#   design_file_bench.sh BUILD_DIR
set -euo pipefail
build=${1:?build directory}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
echo "== Design files and report"
"$build/bench/design_file_bench" --benchmark_min_time=0.2 2>/dev/null |
  tee "$out"
awk '
  function ms(value, unit) {
    return unit == "ns" ? value / 1e6 : unit == "us" ? value / 1000 : value
  }
  function line(name, target, t) {
    printf "summary|%s|%.2f ms|<= %d ms|%s\n", name, t, target,
           t <= target ? "met" : "MISSED"
  }
  # Saving waits for the disk to confirm the data (fsync); the CPU time
  # shows what is left of it on a disk that confirms at once.
  $1 == "BM_SaveDesign" {
    line("Design file: save (atomic, synced)", 5, ms($2, $3))
    printf "summary|Design file: save, CPU time|%.2f ms|\n", ms($4, $5)
  }
  $1 == "BM_OpenDesign" { line("Design file: open into the window", 5, ms($2, $3)) }
  $1 == "BM_ExportReport" { line("Report: one-page PDF", 300, ms($2, $3)) }' "$out"
