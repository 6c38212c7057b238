// SPDX-License-Identifier: GPL-3.0-or-later
// What the X window manager says about a window's frame. Qt learns the frame
// thickness only lazily and tells nobody when it arrives; placing a window
// by its outer rectangle needs to know exactly when the frame is there.
#ifndef SPULIX_UI_PLACEMENT_X11_FRAME_H_
#define SPULIX_UI_PLACEMENT_X11_FRAME_H_

#include <QMargins>
#include <optional>

class QWindow;

namespace spulix {

// True when the application runs on an X server (Qt's xcb platform).
bool OnX11();

// The frame the window manager has put around the window, in device pixels
// (the _NET_FRAME_EXTENTS property); nothing while it has not published one.
std::optional<QMargins> X11FrameExtents(const QWindow* window);

// Whether a window manager runs, and whether it publishes frame extents.
bool X11WindowManagerRunning();
bool X11WindowManagerPublishesFrameExtents();

// Whether a native event Qt hands to its native event filters reports a
// change of the frame extents of `window`.
bool IsX11FrameExtentsChange(const void* message, const QWindow* window);

}  // namespace spulix

#endif  // SPULIX_UI_PLACEMENT_X11_FRAME_H_
