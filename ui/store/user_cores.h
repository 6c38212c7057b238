// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own cores as this program holds them: one owner of the cores
// file for every window that shows the catalogue (标准铁心, 绕制单) and for
// the report. It reads the file once, makes each change on the file as it
// is on disk, follows the file when another running Spulix changes it, and
// says so whenever the catalogue may read differently.
#ifndef SPULIX_UI_STORE_USER_CORES_H_
#define SPULIX_UI_STORE_USER_CORES_H_

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include "design/parts/core_catalogue.h"
#include "ui/store/core_file_change.h"
#include "ui/store/user_core_file.h"

namespace spulix {

class UserCores : public QObject {
  Q_OBJECT

 public:
  // Reads `path` at once and starts following it.
  explicit UserCores(const QString& path = UserCoreFile::DefaultPath(),
                     QObject* parent = nullptr);

  // The shipped cores, then the user's good rows.
  const CoreCatalogue& catalogue() const { return catalogue_; }
  const UserCoreFile& file() const { return file_; }
  // What the last reading found (unreadable, rows left out).
  const UserCoreFile::LoadResult& last_load() const { return last_load_; }

  // Makes one change on the file as it is now and saves it (see
  // ChangeCoreFile); the catalogue then holds the file as it is on disk.
  CoreFileChange Change(const CoreChange& change);

  // Reads the file again; Changed follows if anything reads differently.
  // Runs kFileSettleMs after the file or its folder last changed on disk
  // (a save is several changes).
  void Reload();
  static constexpr int kFileSettleMs = 50;

  // Another file from now on (read at once).
  void SetPath(const QString& path);

 signals:
  // The catalogue or the file's state may read differently.
  void Changed();

 private:
  // Watches the file and its folder; a replaced file must be added again.
  void Watch();

  UserCoreFile file_;
  CoreCatalogue catalogue_;
  UserCoreFile::LoadResult last_load_;
  std::size_t issues_on_disk_ = 0;  // bad rows the file still holds
  QFileSystemWatcher watcher_;
  QTimer reload_;
};

}  // namespace spulix

#endif  // SPULIX_UI_STORE_USER_CORES_H_
