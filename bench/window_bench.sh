#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window benchmarks on a virtual X server: keystroke latency, start-up,
# memory and idle cost beside bare Qt windows and the desktop calculators
# that are installed, idle cost seen from inside. Prints the details, then
# "summary|" lines that scripts/bench gathers into its table.
#   window_bench.sh BUILD_DIR
set -euo pipefail
build=${1:?build directory}
bench=$build/bench
runs=${SPULIX_STARTUP_RUNS:-15}
idle=${SPULIX_IDLE_SECONDS:-20}
peers=()
for peer in galculator mate-calc; do
  if command -v "$peer" >/dev/null; then peers+=(--peer "$(command -v "$peer")"); fi
done
# shellcheck disable=SC2016  # expanded by the inner shell
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  bench=$1 build=$2 runs=$3 idle=$4
  shift 4
  echo "== Window: keystrokes"
  "$bench/window_bench" keystroke 1000
  echo "== Window: keystrokes with the core window open"
  XDG_DATA_HOME=$(mktemp -d) "$bench/window_bench" keystroke-cores 1000
  echo "== Window: keystrokes with the 绕制单 window open"
  XDG_DATA_HOME=$(mktemp -d) "$bench/window_bench" keystroke-sheet 1000
  echo "== Window: keystrokes in a DC load's field of the 绕制单 window"
  XDG_DATA_HOME=$(mktemp -d) "$bench/window_bench" keystroke-dc 1000
  echo "== Window: start-up, memory and idle ($runs runs each, load $(cut -d" " -f1-3 /proc/loadavg))"
  "$bench/startup_bench" --runs "$runs" --idle "$idle" \
    --program "$build/ui/spulix" \
    --frame-build "$bench/first-frame/spulix" --cjk-baseline "$bench/baseline_cjk_window" \
    --baseline "$bench/baseline_window" "$@"
  echo "== Window: idle, from inside"
  "$bench/window_bench" idle 10
' window_bench "$bench" "$build" "$runs" "$idle" "${peers[@]}"
