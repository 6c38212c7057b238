// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/window_registry.h"

#include <QEvent>

namespace spulix {

WindowRegistry::WindowRegistry(int count, QObject* parent)
    : QObject(parent), windows_(static_cast<std::size_t>(count)) {}

WindowRegistry::~WindowRegistry() {
  for (QPointer<QWidget>& window : windows_) delete window.data();
}

QWidget* WindowRegistry::Open(int slot, const std::function<QWidget*()>& make) {
  QPointer<QWidget>& window = windows_.at(static_cast<std::size_t>(slot));
  if (window.isNull()) {
    window = make();
    window->installEventFilter(this);
  }
  // A minimised window would stay an icon (and a table window, with no task
  // bar entry, out of reach): back to the state it had before.
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
  return window.data();
}

QWidget* WindowRegistry::Find(int slot) const {
  return windows_.at(static_cast<std::size_t>(slot)).data();
}

bool WindowRegistry::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    for (QPointer<QWidget>& window : windows_) {
      if (window.data() == watched) window.clear();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace spulix
