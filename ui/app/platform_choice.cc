// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/platform_choice.h"

#include <cstdlib>
#include <cstring>

namespace spulix {
namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

std::string PlatformForEnvironment(const EnvironmentLookup& lookup) {
  if (IsSet(lookup("QT_QPA_PLATFORM"))) return "";
  const char* session = lookup("XDG_SESSION_TYPE");
  const bool wayland =
      IsSet(lookup("WAYLAND_DISPLAY")) ||
      (session != nullptr && std::strcmp(session, "wayland") == 0);
  if (!wayland || !IsSet(lookup("DISPLAY"))) return "";
  return "xcb";
}

void ChoosePlatform() {
  const std::string platform = PlatformForEnvironment(
      [](const char* name) { return std::getenv(name); });
  if (!platform.empty()) setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
  // On X11, every repaint through shared memory (the caret's blink, the
  // clock) brings a completion event back, which wakes the event thread and
  // then the main thread: more than the repaint itself. The window is small
  // enough to send its pixels plainly. A value the user set stays.
  setenv("QT_XCB_NO_MITSHM", "1", 0);
}

}  // namespace spulix
