// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/selection_windows.h"

#include "ui/selection/core_window.h"
#include "ui/selection/wire_window.h"
#include "ui/sheet/sheet_window.h"
#include "ui/store/user_core_file.h"
#include "ui/store/user_cores.h"

namespace spulix {
namespace {

enum Slot { kCores, kWires, kSheet, kSlotCount };

}  // namespace

SelectionWindows::SelectionWindows(QtFieldStore& store,
                                   DesignSheetChoices& choices, QObject* owner,
                                   QString user_core_file)
    : QObject(owner),
      store_(store),
      choices_(choices),
      user_core_file_(std::move(user_core_file)),
      windows_(new WindowRegistry(kSlotCount, this)) {}

QString SelectionWindows::UserCoreFilePath() const {
  return user_core_file_.isEmpty() ? UserCoreFile::DefaultPath()
                                   : user_core_file_;
}

void SelectionWindows::SetUserCoreFile(const QString& path) {
  user_core_file_ = path;
  if (user_cores_) user_cores_->SetPath(UserCoreFilePath());
}

const CoreCatalogue& SelectionWindows::catalogue() {
  return user_cores().catalogue();
}

UserCores& SelectionWindows::user_cores() {
  if (!user_cores_) user_cores_ = new UserCores(UserCoreFilePath(), this);
  return *user_cores_;
}

// The windows still open go first, while everything they use is still here.
SelectionWindows::~SelectionWindows() { delete windows_; }

CoreWindow* SelectionWindows::OpenCores() {
  return static_cast<CoreWindow*>(windows_->Open(kCores, [this] {
    return new CoreWindow(store_, choices_, user_cores());
  }));
}

WireWindow* SelectionWindows::OpenWires() {
  return static_cast<WireWindow*>(
      windows_->Open(kWires, [this] { return new WireWindow(store_); }));
}

SheetWindow* SelectionWindows::OpenSheet() {
  return static_cast<SheetWindow*>(windows_->Open(kSheet, [this] {
    return new SheetWindow(store_, choices_, user_cores(), design_shortcuts_);
  }));
}

CoreWindow* SelectionWindows::cores() const {
  return static_cast<CoreWindow*>(windows_->Find(kCores));
}
WireWindow* SelectionWindows::wires() const {
  return static_cast<WireWindow*>(windows_->Find(kWires));
}
SheetWindow* SelectionWindows::sheet() const {
  return static_cast<SheetWindow*>(windows_->Find(kSheet));
}

}  // namespace spulix
