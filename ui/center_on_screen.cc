// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/center_on_screen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cmath>

namespace spulix {
namespace {

constexpr char kRecenterName[] = "spulix-recenter-when-framed";

// A window manager adds its frame only after the window is mapped, so the
// first centring sees the bare client size. This watcher centres once more
// as soon as the frame is known, then goes away; it gives up after a moment
// so that it never undoes a move the user made.
class RecenterWhenFramed : public QObject {
 public:
  explicit RecenterWhenFramed(QWidget* window) : QObject(window) {
    setObjectName(kRecenterName);
    window->installEventFilter(this);
    QTimer::singleShot(2000, this, &QObject::deleteLater);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    // The frame shows up without an event of its own; look on every event.
    (void)event;
    auto* window = static_cast<QWidget*>(watched);
    if (window->frameGeometry() != window->geometry()) {
      window->removeEventFilter(this);
      deleteLater();
      CenterOnScreen(window);
    }
    return false;
  }
};

bool FrameStillUnknown(const QWidget* window) {
  return window->isWindow() && window->isVisible() &&
         !(window->windowFlags() & Qt::FramelessWindowHint) &&
         window->frameGeometry() == window->geometry() &&
         QGuiApplication::platformName() == QLatin1String("xcb");
}

}  // namespace

QPoint CenteredTopLeft(const QRect& screen, int frame_width, int frame_height) {
  const float left = (static_cast<float>(screen.width()) - frame_width) / 2.0f;
  const float top = (static_cast<float>(screen.height()) - frame_height) / 2.0f;
  return QPoint(screen.x() + static_cast<int>(std::floor(left)),
                screen.y() + static_cast<int>(std::floor(top)));
}

void CenterOnScreen(QWidget* window) {
  if (window == nullptr) return;
  const Qt::WindowStates state = window->windowState();
  if (state &
      (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
    return;
  }
  QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // The outer size includes the frame once the window manager has framed
  // the window; before that it equals the client size.
  const QRect frame = window->frameGeometry();
  window->move(
      CenteredTopLeft(screen->geometry(), frame.width(), frame.height()));
  if (FrameStillUnknown(window) &&
      window->findChild<QObject*>(kRecenterName, Qt::FindDirectChildrenOnly) ==
          nullptr) {
    new RecenterWhenFramed(window);
  }
}

}  // namespace spulix
