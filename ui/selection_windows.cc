// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection_windows.h"

#include <QEvent>

#include "ui/core_window.h"
#include "ui/sheet_window.h"
#include "ui/user_core_file.h"
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

SelectionWindows::SelectionWindows(QtFieldStore& store,
                                   DesignSheetChoices& choices, QObject* owner,
                                   QString user_core_file)
    : QObject(owner),
      store_(store),
      choices_(choices),
      user_core_file_(std::move(user_core_file)) {}

QString SelectionWindows::UserCoreFilePath() const {
  return user_core_file_.isEmpty() ? UserCoreFile::DefaultPath()
                                   : user_core_file_;
}

CoreCatalogue SelectionWindows::LoadCatalogue() const {
  CoreCatalogue catalogue;
  UserCoreFile(UserCoreFilePath()).Load(catalogue);
  return catalogue;
}

SelectionWindows::~SelectionWindows() {
  delete cores_.data();
  delete wires_.data();
  delete sheet_.data();
}

CoreWindow* SelectionWindows::OpenCores() {
  if (cores_.isNull()) {
    cores_ = new CoreWindow(store_, choices_, UserCoreFilePath());
    cores_->installEventFilter(this);
  }
  return Raise(cores_.data());
}

WireWindow* SelectionWindows::OpenWires() {
  if (wires_.isNull()) {
    wires_ = new WireWindow(store_);
    wires_->installEventFilter(this);
  }
  return Raise(wires_.data());
}

SheetWindow* SelectionWindows::OpenSheet() {
  if (sheet_.isNull()) {
    // The catalogue as the core window reads it, again at each refresh, so
    // that a core the user adds there can be recommended here.
    sheet_ = new SheetWindow(
        store_, choices_, [this] { return LoadCatalogue(); },
        design_shortcuts_);
    sheet_->installEventFilter(this);
  }
  return Raise(sheet_.data());
}

CoreWindow* SelectionWindows::cores() const { return cores_.data(); }
WireWindow* SelectionWindows::wires() const { return wires_.data(); }
SheetWindow* SelectionWindows::sheet() const { return sheet_.data(); }

bool SelectionWindows::eventFilter(QObject* watched, QEvent* event) {
  // A closed window deletes itself only back in the event loop; forget it at
  // once so that an opening in between makes a new one.
  if (event->type() == QEvent::Close) {
    if (watched == cores_.data()) cores_.clear();
    if (watched == wires_.data()) wires_.clear();
    if (watched == sheet_.data()) sheet_.clear();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace spulix
