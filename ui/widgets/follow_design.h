// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that follow the design (the cores judged, the winding sheet) do
// their work once the user pauses: every change restarts one short timer,
// so a keystroke in the main window never waits for them, and a burst of
// changes (a calculation writing its results, Clear) costs one refresh.
#ifndef SPULIX_UI_WIDGETS_FOLLOW_DESIGN_H_
#define SPULIX_UI_WIDGETS_FOLLOW_DESIGN_H_

#include <QObject>
#include <QTimer>
#include <functional>

namespace spulix {

// Short enough to feel immediate, long enough to span a key's repeat.
inline constexpr int kFollowDesignDelayMs = 100;

// Makes `timer` a single shot after `delay_ms` that runs `refresh` in
// `owner`; start() the timer on each change.
void FollowAfterPause(QTimer& timer, QObject* owner,
                      std::function<void()> refresh,
                      int delay_ms = kFollowDesignDelayMs);

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_FOLLOW_DESIGN_H_
