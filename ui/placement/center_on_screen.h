// SPDX-License-Identifier: GPL-3.0-or-later
// Placement rule shared by the main window, the About box and the efficiency
// table window.
#ifndef SPULIX_UI_PLACEMENT_CENTER_ON_SCREEN_H_
#define SPULIX_UI_PLACEMENT_CENTER_ON_SCREEN_H_

#include <QPoint>
#include <QRect>

class QWidget;

namespace spulix {

// Top-left corner that centres a frame of the given outer size on the screen
// rectangle, computed in single precision like the original twips rule; a
// frame larger than the screen gets a negative offset.
QPoint CenteredTopLeft(const QRect& screen, int frame_width, int frame_height);

// Moves a window in the normal state so that its outer rectangle (frame and
// title bar included) is centred on the screen it is on. Minimised or
// maximised windows are left alone. The size is not changed.
//
// A window manager frames a window only once it is mapped, so a window
// centred before that is centred by the best guess of its frame and once
// more, exactly, as soon as the window manager has published the frame.
// After that one placement the window is the user's: nothing moves it until
// the next call.
void CenterOnScreen(QWidget* window);

}  // namespace spulix

#endif  // SPULIX_UI_PLACEMENT_CENTER_ON_SCREEN_H_
