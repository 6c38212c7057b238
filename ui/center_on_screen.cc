#include "ui/center_on_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace spulix {

QPoint CenteredTopLeft(const QRect& screen, int frame_width,
                       int frame_height) {
  const float left = (static_cast<float>(screen.width()) - frame_width) / 2.0f;
  const float top = (static_cast<float>(screen.height()) - frame_height) / 2.0f;
  return QPoint(screen.x() + static_cast<int>(std::floor(left)),
                screen.y() + static_cast<int>(std::floor(top)));
}

void CenterOnScreen(QWidget* window) {
  if (window == nullptr) return;
  const Qt::WindowStates state = window->windowState();
  if (state & (Qt::WindowMinimized | Qt::WindowMaximized |
               Qt::WindowFullScreen)) {
    return;
  }
  QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // The outer size includes the frame once the window manager has framed
  // the window; before that it equals the client size.
  const QRect frame = window->frameGeometry();
  window->move(CenteredTopLeft(screen->geometry(), frame.width(),
                               frame.height()));
}

}  // namespace spulix
