// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own cores on disk: a CSV file in the user's data folder,
// written atomically. A file with bad rows is never overwritten unseen: the
// first save after loading it keeps a copy of it beside it.
#ifndef SPULIX_UI_STORE_USER_CORE_FILE_H_
#define SPULIX_UI_STORE_USER_CORE_FILE_H_

#include <QString>
#include <vector>

#include "design/parts/core_catalogue.h"

namespace spulix {

class UserCoreFile {
 public:
  // <AppDataLocation>/cores.csv
  static QString DefaultPath();

  explicit UserCoreFile(QString path = DefaultPath());

  struct LoadResult {
    bool readable = true;  // false: the file exists but cannot be read
    QString error;         // why not (Chinese)
    std::vector<CatalogueIssue> issues;  // rows left out
  };
  // Replaces the catalogue's user entries with the file's good rows. A
  // missing file is an empty list.
  LoadResult Load(CoreCatalogue& catalogue);

  // Writes the catalogue's user entries; returns why it failed, or an empty
  // text. The file on disk is untouched on failure.
  QString Save(const CoreCatalogue& catalogue);

  const QString& path() const { return path_; }
  // Where the damaged file was copied before it was first rewritten.
  const QString& backup_path() const { return backup_path_; }

 private:
  QString path_;
  QString backup_path_;
  bool damaged_ = false;
};

}  // namespace spulix

#endif  // SPULIX_UI_STORE_USER_CORE_FILE_H_
