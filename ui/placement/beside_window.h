// SPDX-License-Identifier: GPL-3.0-or-later
// Where a tool window opens: wholly on the screen, beside the window it
// serves where the screen has room for it, else centred; never taller or
// wider than the screen's free area, so a laptop screen shows it whole.
#ifndef SPULIX_UI_PLACEMENT_BESIDE_WINDOW_H_
#define SPULIX_UI_PLACEMENT_BESIDE_WINDOW_H_

#include <QRect>
#include <QSize>

class QWidget;

namespace spulix {

// Room kept for the window manager's frame around the window's contents.
inline constexpr int kFrameAllowance = 40;

// The window's contents rectangle: `size` (shrunk to fit `screen`) to the
// right of `beside` if it fits there, else to its left, else centred.
QRect PlaceBeside(const QRect& beside, QSize size, const QRect& screen);

// The largest visible main window of the program, to place beside; none
// (an empty rectangle) when there is none.
QRect MainWindowFrame(const QWidget* except);

// Places a tool window on its first showing: beside the main window, its
// height bounded by the screen (a laptop's is the tight one), its width,
// which its contents need whole, kept.
void PlaceToolWindow(QWidget& window);

// The size the user last gave the window (by its object name), else
// `otherwise`; and keeping it for the next time.
QSize RememberedSize(const QWidget& window, QSize otherwise);
void RememberSize(const QWidget& window);

}  // namespace spulix

#endif  // SPULIX_UI_PLACEMENT_BESIDE_WINDOW_H_
