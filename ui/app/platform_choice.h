// SPDX-License-Identifier: GPL-3.0-or-later
// Which Qt platform plugin the program asks for. On a Wayland desktop a
// window cannot place itself, so centring and the table windows' fixed
// places would silently stop working; there the program runs on the X
// server the session offers (XWayland), unless the user chose a platform.
#ifndef SPULIX_UI_APP_PLATFORM_CHOICE_H_
#define SPULIX_UI_APP_PLATFORM_CHOICE_H_

#include <functional>
#include <string>

namespace spulix {

// Looks up an environment variable: its value, or nullptr when unset.
using EnvironmentLookup = std::function<const char*(const char*)>;

// "xcb" when QT_QPA_PLATFORM is unset or empty, the session is Wayland
// (WAYLAND_DISPLAY set, or XDG_SESSION_TYPE "wayland") and an X server is
// reachable (DISPLAY set); otherwise "", leaving the choice to Qt.
std::string PlatformForEnvironment(const EnvironmentLookup& lookup);

// Applies that choice to this process, and sends X11 repaints without
// shared memory (fewer wake-ups when idle); call before QApplication exists.
void ChoosePlatform();

}  // namespace spulix

#endif  // SPULIX_UI_APP_PLATFORM_CHOICE_H_
