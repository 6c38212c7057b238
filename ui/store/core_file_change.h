// SPDX-License-Identifier: GPL-3.0-or-later
// A change to the user's core file that another running Spulix may be
// making at the same time: under a lock beside the file, the file is read
// afresh, the one change is made on what it holds, and the list is saved.
// So each window's change survives, and the later change to a core wins.
#ifndef SPULIX_UI_STORE_CORE_FILE_CHANGE_H_
#define SPULIX_UI_STORE_CORE_FILE_CHANGE_H_

#include <QString>
#include <optional>
#include <string>

#include "design/parts/core_catalogue.h"
#include "design/parts/core_change.h"
#include "ui/store/user_core_file.h"

namespace spulix {

// A change waits this long for another window's save, which takes
// milliseconds; a lock older than kCoreLockStaleMs is left over from a
// program that ended without removing it (one whose process is gone is
// seen at once).
inline constexpr int kCoreLockWaitMs = 2000;
inline constexpr int kCoreLockStaleMs = 10000;

struct CoreFileChange {
  bool read = false;              // the file was read afresh
  UserCoreFile::LoadResult load;  // what that reading found
  // The change itself was refused (a name taken, a bad number); nothing
  // was written.
  std::optional<std::string> refused;
  // The lock, the reading or the saving failed (Chinese); the file is as
  // it was and the change is not made.
  QString error;
};

// Locks `file`, reads it into `catalogue`, makes `change` and saves. The
// catalogue then holds the file as it is on disk: with the change when it
// was made, without it otherwise; unchanged when the lock could not be had.
// An unreadable file is never written.
CoreFileChange ChangeCoreFile(UserCoreFile& file, CoreCatalogue& catalogue,
                              const CoreChange& change);

// "cores.csv.lock" beside the file.
QString CoreLockPath(const QString& file_path);

}  // namespace spulix

#endif  // SPULIX_UI_STORE_CORE_FILE_CHANGE_H_
