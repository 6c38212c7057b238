#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the real program's windows land under a real window manager: Openbox
# on an X server of this test's own. Over repeated starts at scale factors 1,
# 1.5 and 2, the outer rectangles (frame included) of the main window, the
# efficiency table and the About box have equal margins on the screen; a
# window the user moved stays where it was put; a restored main window is
# back in the centre; a minimised About box opened again comes back.
#
#   window_placement_test.sh SPULIX [STARTS]
#
# Exits 77 when a tool is missing (scripts/install-deps installs them).
set -uo pipefail

spulix=${1:?usage: window_placement_test.sh SPULIX [STARTS]}
starts=${2:-5}
screen_w=2560
screen_h=1600

for tool in Xvfb openbox xdotool xwininfo xprop; do
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

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Runs "$@" every 0.1 s until it succeeds, for at most $1 tenths of a second.
retry() {
  local tenths=$1
  shift
  for ((n = 0; n < tenths; n++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Whether no viewable window has this title now (asked anew at each try).
window_gone() { [ -z "$(window_id "$1")" ]; }

# An X server on a free display, with Openbox.
Xvfb -displayfd 3 -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp \
  3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
retry 100 test -s "$work/display" || { cat "$work/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM QT_SCALE_FACTOR
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# Started again should it fail to reach its display on a busy machine.
for attempt in 1 2 3; do
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  retry 50 wm_running && break
  [ "$attempt" = 3 ] && { cat "$work/openbox.log" >&2; echo "FAIL: Openbox did not start" >&2; exit 1; }
done

# The one visible window whose title is exactly $1.
window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
await_window() {
  local id=""
  for ((n = 0; n < 150; n++)); do
    id=$(window_id "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# "LEFT TOP WIDTH HEIGHT" of the window's outer rectangle in device pixels:
# its client area (xwininfo) grown by the frame Openbox publishes.
outer_rect() {
  local info extents
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null)
  local n='(-?[0-9]+)'
  [[ $info =~ Absolute\ upper-left\ X:\ +$n.*Absolute\ upper-left\ Y:\ +$n.*Width:\ +$n.*Height:\ +$n ]] || return 1
  local x=${BASH_REMATCH[1]} y=${BASH_REMATCH[2]} w=${BASH_REMATCH[3]} h=${BASH_REMATCH[4]}
  # left, right, top, bottom
  [[ $extents =~ =\ $n,\ $n,\ $n,\ $n ]] || return 1
  local l=${BASH_REMATCH[1]} r=${BASH_REMATCH[2]} t=${BASH_REMATCH[3]} b=${BASH_REMATCH[4]}
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# The outer rectangle once it has stayed the same for 0.3 s (at most 10 s).
settled_rect() {
  local last="" now="" since=${EPOCHREALTIME/./} end=$((${EPOCHREALTIME/./} + 10000000))
  while ((${EPOCHREALTIME/./} < end)); do
    now=$(outer_rect "$1") || now=""
    if [ -z "$now" ] || [ "$now" != "$last" ]; then
      last=$now
      since=${EPOCHREALTIME/./}
    elif ((${EPOCHREALTIME/./} - since >= 300000)); then
      break
    fi
    sleep 0.05
  done
  echo "$now"
}

# Opposite margins may differ by the rounding of one logical pixel.
tolerance() { awk -v s="$1" 'BEGIN { t = int(s); if (t < s) t++; print t }'; }

check_centred() {  # WHAT ID SCALE
  local rect left top width height
  rect=$(settled_rect "$2")
  read -r left top width height <<<"$rect"
  [ -n "$height" ] || { fail "$1: no frame found"; return; }
  local right=$((screen_w - left - width)) bottom=$((screen_h - top - height))
  local tol
  tol=$(tolerance "$3")
  local dx=$((left - right)) dy=$((top - bottom))
  if ((${dx#-} > tol || ${dy#-} > tol)); then
    fail "$1: frame $width x $height, margins left $left right $right top $top bottom $bottom"
  else
    echo "ok: $1: frame $width x $height, margins $left/$right $top/$bottom"
  fi
}

# Clicks at a point of the main window's client area given in logical
# pixels below the menu bar (the client area is 777 x 539 logical pixels).
click_client() {  # ID SCALE X Y
  local height
  height=$(xwininfo -id "$1" | sed -n 's/^ *Height: *//p')
  local x y
  x=$(awk -v s="$2" -v v="$3" 'BEGIN { printf "%d", v * s }')
  y=$(awk -v s="$2" -v h="$height" -v v="$4" 'BEGIN { printf "%d", h - (539 - v) * s }')
  xdotool mousemove --window "$1" "$x" "$y" click 1
}

# Moves the window as a user would and answers its place: "LEFT TOP ...".
move_by_user() {  # ID X Y
  xdotool windowmove "$1" "$2" "$3"
  settled_rect "$1"
}

stays() {  # WHAT ID PLACE
  local now
  now=$(settled_rect "$2")
  if [ "$now" != "$3" ]; then
    fail "$1: the user put it at '$3', now it is at '$now'"
  else
    echo "ok: $1 stays where the user put it ($now)"
  fi
}

for scale in 1 1.5 2; do
  for ((start = 1; start <= starts; start++)); do
    QT_SCALE_FACTOR=$scale "$spulix" >"$work/spulix.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    main=$(await_window ' Spulix') || { fail "scale $scale start $start: no main window"; kill "$pid"; continue; }
    check_centred "main window, scale $scale, start $start" "$main" "$scale"
    if [ "$start" -eq "$starts" ]; then
      click_client "$main" "$scale" 168 16   # 查询: the table links
      click_client "$main" "$scale" 185 62   # 变压器效率表...η
      table=$(await_window '变压器效率表') &&
        check_centred "efficiency table, scale $scale" "$table" "$scale" ||
        fail "scale $scale: the efficiency table did not open"
      click_client "$main" "$scale" 264 16   # 关于
      about=$(await_window 'Spulix') &&
        check_centred "About box, scale $scale" "$about" "$scale" ||
        fail "scale $scale: the About box did not open"
      if [ "$scale" = 1 ] && [ -n "$about" ]; then
        # Opening the minimised About box again brings it back.
        xdotool windowminimize "$about"
        retry 50 window_gone 'Spulix' ||
          fail "the About box did not go away when minimised"
        click_client "$main" "$scale" 264 16
        await_window 'Spulix' >/dev/null &&
          echo "ok: a minimised About box comes back when opened again" ||
          fail "a minimised About box stays minimised when opened again"
      fi
      if [ "$scale" = 1 ] && [ -n "$table" ]; then
        table_place=$(move_by_user "$table" 30 700)
        main_place=$(move_by_user "$main" 40 60)
        # Work on: the test button fills in the sample design.
        click_client "$main" "$scale" 310 16
        stays "efficiency table" "$table" "$table_place"
        stays "main window" "$main" "$main_place"
        xdotool windowminimize "$main"
        retry 50 window_gone ' Spulix' ||
          fail "the main window did not go away when minimised"
        xdotool windowactivate "$main" 2>/dev/null
        check_centred "main window restored" "$main" "$scale"
      fi
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null
  done
done

[ "$failures" -eq 0 ] || { echo "$failures placement(s) wrong" >&2; exit 1; }
echo "All windows where they belong"
