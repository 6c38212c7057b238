// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/store/core_file_change.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include "ui/language/translated_text.h"

namespace spulix {
namespace {

QString LockError(const QLockFile& lock, const QString& lock_path) {
  switch (lock.error()) {
    case QLockFile::LockFailedError:
      return QCoreApplication::translate(
          "CoreFile", "另一个 Spulix 正在修改这个文件，请稍后再试");
    case QLockFile::PermissionError:
      return QCoreApplication::translate("CoreFile",
                                         "无权在文件旁建立锁文件 %1")
          .arg(lock_path);
    default:
      return QCoreApplication::translate("CoreFile", "无法建立锁文件 %1")
          .arg(lock_path);
  }
}

}  // namespace

QString CoreLockPath(const QString& file_path) {
  return file_path + QStringLiteral(".lock");
}

CoreFileChange ChangeCoreFile(UserCoreFile& file, CoreCatalogue& catalogue,
                              const CoreChange& change) {
  CoreFileChange result;
  const QString folder = QFileInfo(file.path()).absolutePath();
  if (!QDir().mkpath(folder)) {
    result.error = QCoreApplication::translate("CoreFile", "无法建立文件夹 %1")
                       .arg(folder);
    return result;
  }
  const QString lock_path = CoreLockPath(file.path());
  QLockFile lock(lock_path);
  lock.setStaleLockTime(kCoreLockStaleMs);
  if (!lock.tryLock(kCoreLockWaitMs)) {
    result.error = LockError(lock, lock_path);
    return result;
  }
  result.load = file.Load(catalogue);
  result.read = true;
  if (!result.load.readable) {
    result.error = result.load.error;
    return result;
  }
  const std::string before = catalogue.UserCsv();
  result.refused = ApplyCoreChange(catalogue, change, CurrentTranslation());
  if (result.refused || catalogue.UserCsv() == before) return result;
  result.error = file.Save(catalogue);
  if (!result.error.isEmpty()) catalogue.LoadUserCsv(before);
  return result;
}

}  // namespace spulix
