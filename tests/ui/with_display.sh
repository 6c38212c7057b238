#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a window test that needs a real X server, or skips it (exit 77) with
# the reason when there is none to be had.
if [ -z "${DISPLAY:-}" ]; then
  echo "SKIP: no X server (DISPLAY is not set); run the suite under xvfb-run"
  exit 77
fi
if command -v xdpyinfo >/dev/null && ! xdpyinfo >/dev/null 2>&1; then
  echo "SKIP: the X server at DISPLAY=$DISPLAY does not answer"
  exit 77
fi
exec "$@"
