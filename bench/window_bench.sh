#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window benchmarks on a virtual X server: keystroke latency, start-up
# and memory beside a bare Qt window, idle cost. Prints the details, then
# "summary|" lines that scripts/bench gathers into its table.
#   window_bench.sh BUILD_DIR
set -euo pipefail
build=${1:?build directory}
bench=$build/bench
runs=${SPULIX_STARTUP_RUNS:-10}
# shellcheck disable=SC2016  # expanded by the inner shell
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  echo "== Window: keystrokes"
  "$1/window_bench" keystroke 1000
  echo "== Window: start-up and memory ($3 runs each)"
  "$1/startup_bench" "$3" "$1/first-frame/spulix" "$1/baseline_window" \
    "$1/baseline_cjk_window"
  echo "== Window: idle"
  "$1/window_bench" idle 10
' window_bench "$bench" "$build" "$runs"
