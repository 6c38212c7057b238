// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/store/user_cores.h"

#include <QFileInfo>
#include <utility>

namespace spulix {

UserCores::UserCores(const QString& path, QObject* parent)
    : QObject(parent), file_(path) {
  reload_.setSingleShot(true);
  reload_.setInterval(kFileSettleMs);
  connect(&reload_, &QTimer::timeout, this, &UserCores::Reload);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, &reload_,
          qOverload<>(&QTimer::start));
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, &reload_,
          qOverload<>(&QTimer::start));
  last_load_ = file_.Load(catalogue_);
  issues_on_disk_ = last_load_.issues.size();
  Watch();
}

CoreFileChange UserCores::Change(const CoreChange& change) {
  CoreFileChange done = ChangeCoreFile(file_, catalogue_, change);
  if (done.read) {
    last_load_ = done.load;
    issues_on_disk_ = done.load.issues.size();
  }
  // A saved file holds no bad rows any more.
  if (done.error.isEmpty() && !done.refused) issues_on_disk_ = 0;
  Watch();
  emit Changed();
  return done;
}

void UserCores::Reload() {
  reload_.stop();
  Watch();
  CoreCatalogue fresh;
  UserCoreFile::LoadResult load = file_.Load(fresh);
  if (load.readable == last_load_.readable &&
      load.issues.size() == issues_on_disk_ &&
      fresh.UserCsv() == catalogue_.UserCsv()) {
    return;
  }
  catalogue_ = std::move(fresh);
  issues_on_disk_ = load.issues.size();
  last_load_ = std::move(load);
  emit Changed();
}

void UserCores::SetPath(const QString& path) {
  if (path == file_.path()) return;
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) {
    watcher_.removePaths(watcher_.directories());
  }
  file_ = UserCoreFile(path);
  catalogue_ = CoreCatalogue();
  last_load_ = file_.Load(catalogue_);
  issues_on_disk_ = last_load_.issues.size();
  Watch();
  emit Changed();
}

void UserCores::Watch() {
  const QString path = file_.path();
  const QString folder = QFileInfo(path).absolutePath();
  for (const QString& watched : {folder, path}) {
    if (!watcher_.files().contains(watched) &&
        !watcher_.directories().contains(watched) &&
        QFileInfo::exists(watched)) {
      watcher_.addPath(watched);
    }
  }
}

}  // namespace spulix
