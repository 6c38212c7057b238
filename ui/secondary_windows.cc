// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/secondary_windows.h"

#include <QEvent>

#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/table_window.h"

namespace spulix {
namespace {

QWidget* Create(SecondaryWindow which) {
  switch (which) {
    case SecondaryWindow::kAbout:
      return new AboutWindow();
    case SecondaryWindow::kEfficiency:
      return new TableWindow(TableInfo(0));
    case SecondaryWindow::kCoefficient:
      return new TableWindow(TableInfo(1));
    case SecondaryWindow::kFluxDensity:
      return new TableWindow(TableInfo(2));
    case SecondaryWindow::kStacking:
      return new TableWindow(TableInfo(3));
    case SecondaryWindow::kHelp:
      return new HelpWindow();
  }
  return nullptr;
}

}  // namespace

SecondaryWindows::SecondaryWindows(QObject* parent) : QObject(parent) {}

SecondaryWindows::~SecondaryWindows() {
  for (QPointer<QWidget>& window : windows_) delete window.data();
}

QWidget* SecondaryWindows::Open(SecondaryWindow which) {
  QPointer<QWidget>& slot = windows_[static_cast<int>(which)];
  if (slot.isNull()) {
    slot = Create(which);
    slot->installEventFilter(this);
  }
  QWidget* window = slot.data();
  // A minimised window would stay an icon (and a table window, with no task
  // bar entry, out of reach): back to the state it had before.
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

bool SecondaryWindows::eventFilter(QObject* watched, QEvent* event) {
  // A window closed by its title bar deletes itself, but only once control
  // returns to the event loop; forget it at once so that an opening in the
  // meantime makes a new window instead of showing the doomed one.
  if (event->type() == QEvent::Close) {
    for (QPointer<QWidget>& window : windows_) {
      if (window.data() == watched) window.clear();
    }
  }
  return QObject::eventFilter(watched, event);
}

QWidget* SecondaryWindows::Find(SecondaryWindow which) const {
  return windows_[static_cast<int>(which)].data();
}

}  // namespace spulix
