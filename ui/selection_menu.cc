// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection_menu.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

#include "ui/core_window.h"
#include "ui/main_window.h"
#include "ui/wire_window.h"

namespace spulix {
namespace {

template <typename Window>
Window* Raise(Window* window) {
  // A minimised window comes back as it was, like the other windows.
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace

SelectionWindows::SelectionWindows(MainWindow& main, QString user_core_file)
    : QObject(&main), main_(main), user_core_file_(std::move(user_core_file)) {}

SelectionWindows::~SelectionWindows() {
  delete cores_.data();
  delete wires_.data();
}

CoreWindow* SelectionWindows::OpenCores() {
  if (cores_.isNull()) {
    cores_ = user_core_file_.isEmpty() ? new CoreWindow(main_)
                                       : new CoreWindow(main_, user_core_file_);
    cores_->installEventFilter(this);
  }
  return Raise(cores_.data());
}

WireWindow* SelectionWindows::OpenWires() {
  if (wires_.isNull()) {
    wires_ = new WireWindow(main_);
    wires_->installEventFilter(this);
  }
  return Raise(wires_.data());
}

CoreWindow* SelectionWindows::cores() const { return cores_.data(); }
WireWindow* SelectionWindows::wires() const { return wires_.data(); }

bool SelectionWindows::eventFilter(QObject* watched, QEvent* event) {
  // A closed window deletes itself only back in the event loop; forget it at
  // once so that an opening in between makes a new one.
  if (event->type() == QEvent::Close) {
    if (watched == cores_.data()) cores_.clear();
    if (watched == wires_.data()) wires_.clear();
  }
  return QObject::eventFilter(watched, event);
}

SelectionWindows* AddSelectionMenu(MainWindow& main,
                                   const QString& user_core_file) {
  auto* windows = new SelectionWindows(main, user_core_file);
  windows->setObjectName(QStringLiteral("SelectionWindows"));
  auto* menu = new QMenu(QStringLiteral("选型"), main.menuBar());
  menu->setObjectName(QStringLiteral("XX"));
  QAction* cores = menu->addAction(QStringLiteral("标准铁心…"));
  cores->setObjectName(QStringLiteral("BZTX"));
  QAction* wires = menu->addAction(QStringLiteral("标准漆包线…"));
  wires->setObjectName(QStringLiteral("BZQBX"));
  QObject::connect(cores, &QAction::triggered, windows,
                   [windows] { windows->OpenCores(); });
  QObject::connect(wires, &QAction::triggered, windows,
                   [windows] { windows->OpenWires(); });
  // Before 帮助, which is the last menu; at the end if it is missing.
  auto* help = main.menuBar()->findChild<QMenu*>(QStringLiteral("BZ"));
  if (help != nullptr) {
    main.menuBar()->insertMenu(help->menuAction(), menu);
  } else {
    main.menuBar()->addMenu(menu);
  }
  return windows;
}

}  // namespace spulix
