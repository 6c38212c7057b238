// SPDX-License-Identifier: GPL-3.0-or-later
// Notices the first frame a top-level window draws, so that start-up can be
// measured from outside. Only the start-up benchmark's build of the program
// uses it: that build prints the moment of its first frame and quits.
#ifndef SPULIX_BENCH_FIRST_FRAME_PROBE_H_
#define SPULIX_BENCH_FIRST_FRAME_PROBE_H_

#include <functional>

class QWidget;

namespace spulix {

// Calls `done` once, after the first paint of `window` has been drawn and
// handed to the window system (the call is queued behind that paint).
void OnFirstFrame(QWidget* window, std::function<void()> done);

// Prints "first-frame-ns N" (N: CLOCK_MONOTONIC in nanoseconds) on standard
// output after the first frame of `window` and exits the event loop with
// status 0.
void ExitAfterFirstFrame(QWidget* window);

}  // namespace spulix

#endif  // SPULIX_BENCH_FIRST_FRAME_PROBE_H_
