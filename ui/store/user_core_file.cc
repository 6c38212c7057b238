// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/store/user_core_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

#include "document/atomic_file.h"
#include "document/bounded_file.h"
#include "document/system_error_text.h"
#include "ui/language/translated_text.h"

namespace spulix {
namespace {

QString FromSystem(int error_number) {
  return Composed(SystemErrorSentence(error_number));
}

std::string LocalPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString ReadProblem(const ReadFailure& failure) {
  switch (failure.kind) {
    case ReadFailure::Kind::kCannotOpen:
    case ReadFailure::Kind::kReadFailed:
      return FromSystem(failure.error_number);
    case ReadFailure::Kind::kNotAFile:
      return QCoreApplication::translate("CoreFile", "这不是一个普通文件");
    case ReadFailure::Kind::kTooLarge:
      break;
  }
  return QCoreApplication::translate("CoreFile",
                                     "文件超过 %1 MB，不像是铁心列表")
      .arg(kMaxTextFileBytes >> 20);
}

QString WriteProblem(const WriteFailure& failure) {
  switch (failure.kind) {
    case WriteFailure::Kind::kSystem:
      break;
    case WriteFailure::Kind::kReadOnly:
      return QCoreApplication::translate("CoreFile", "文件是只读的");
    case WriteFailure::Kind::kNotAFile:
      return QCoreApplication::translate("CoreFile", "这不是一个普通文件");
  }
  return QCoreApplication::translate("CoreFile", "写入失败（%1）")
      .arg(FromSystem(failure.error_number));
}

// The first of name.bak, name.1.bak, ... that does not exist yet.
QString FreeBackupPath(const QString& path) {
  QString candidate = path + QStringLiteral(".bak");
  for (int n = 1; QFileInfo::exists(candidate); ++n) {
    candidate = path + QStringLiteral(".%1.bak").arg(n);
  }
  return candidate;
}

}  // namespace

QString UserCoreFile::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/cores.csv");
}

UserCoreFile::UserCoreFile(QString path) : path_(std::move(path)) {}

UserCoreFile::LoadResult UserCoreFile::Load(CoreCatalogue& catalogue) {
  LoadResult result;
  damaged_ = false;
  catalogue.LoadUserCsv("");
  // Only a regular file, and only so much of it: a pipe or a device named
  // here must neither hang the window nor fill its memory.
  const BoundedRead read =
      ReadBoundedFile(LocalPath(path_), kMaxTextFileBytes, false);
  if (const auto* failure = std::get_if<ReadFailure>(&read)) {
    // Nothing there (a file where a folder should be included): nothing
    // to lose by writing one later.
    if (failure->kind == ReadFailure::Kind::kCannotOpen &&
        (failure->error_number == ENOENT || failure->error_number == ENOTDIR)) {
      return result;
    }
    result.readable = false;
    result.error = ReadProblem(*failure);
    damaged_ = true;
    return result;
  }
  const std::string& content = std::get<std::string>(read);
  result.issues = catalogue.LoadUserCsv(content);
  damaged_ = !result.issues.empty();
  return result;
}

QString UserCoreFile::Save(const CoreCatalogue& catalogue) {
  const QFileInfo info(path_);
  if (!QDir().mkpath(info.absolutePath())) {
    return QCoreApplication::translate("CoreFile", "无法建立文件夹 %1")
        .arg(info.absolutePath());
  }
  if (damaged_ && info.exists()) {
    const QString backup = FreeBackupPath(path_);
    if (!QFile::copy(path_, backup)) {
      return QCoreApplication::translate("CoreFile", "无法先把原文件另存为 %1")
          .arg(backup);
    }
    backup_path_ = backup;
  }
  if (const auto failure =
          WriteFileAtomically(LocalPath(path_), catalogue.UserCsv())) {
    return WriteProblem(*failure);
  }
  damaged_ = false;
  return QString();
}

}  // namespace spulix
