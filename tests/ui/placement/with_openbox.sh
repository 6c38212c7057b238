#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a window test on an X server of its own with a real window manager
# (Openbox), on a screen of the size given, with a fresh settings home.
#
#   with_openbox.sh WIDTHxHEIGHT PROGRAM [ARGS...]
#
# Exits 77 when a tool is missing (scripts/install-deps installs them).
set -uo pipefail

size=${1:?usage: with_openbox.sh WIDTHxHEIGHT PROGRAM [ARGS...]}
shift
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

retry() {  # TENTHS COMMAND...
  local tenths=$1
  shift
  for ((n = 0; n < tenths; n++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp \
  3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
retry 100 test -s "$work/display" || { cat "$work/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM QT_SCALE_FACTOR
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# Started again should it fail to reach its display on a busy machine.
for attempt in 1 2 3; do
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  retry 50 wm_running && break
  [ "$attempt" = 3 ] && { cat "$work/openbox.log" >&2; echo "FAIL: Openbox did not start" >&2; exit 1; }
done

"$@"
