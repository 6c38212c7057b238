// SPDX-License-Identifier: GPL-3.0-or-later
// The program as shipped, except that it prints the moment of its first
// frame and quits: the start-up benchmark's build.
#include "bench/first_frame_probe.h"
#include "ui/app/run_spulix.h"

int main(int argc, char* argv[]) {
  return spulix::RunSpulix(
      argc, argv, [](QWidget* window) { spulix::ExitAfterFirstFrame(window); });
}
