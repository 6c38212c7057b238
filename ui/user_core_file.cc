// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/user_core_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace spulix {
namespace {

// A hand-made core list is a few kilobytes; anything far beyond is not one.
constexpr qint64 kMaxFileBytes = 1 << 20;

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
  QFile file(path_);
  if (!file.exists()) return result;
  if (!file.open(QIODevice::ReadOnly)) {
    result.readable = false;
    result.error = file.errorString();
  } else if (file.size() > kMaxFileBytes) {
    result.readable = false;
    result.error = QStringLiteral("文件超过 1 MB，不像是铁心列表");
  }
  if (!result.readable) {
    damaged_ = true;
    return result;
  }
  const QByteArray content = file.readAll();
  result.issues = catalogue.LoadUserCsv(std::string_view(
      content.constData(), static_cast<std::size_t>(content.size())));
  damaged_ = !result.issues.empty();
  return result;
}

QString UserCoreFile::Save(const CoreCatalogue& catalogue) {
  const QFileInfo info(path_);
  if (!QDir().mkpath(info.absolutePath())) {
    return QStringLiteral("无法建立文件夹 %1").arg(info.absolutePath());
  }
  if (damaged_ && info.exists()) {
    const QString backup = FreeBackupPath(path_);
    if (!QFile::copy(path_, backup)) {
      return QStringLiteral("无法先把原文件另存为 %1").arg(backup);
    }
    backup_path_ = backup;
  }
  QSaveFile file(path_);
  const std::string text = catalogue.UserCsv();
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    return file.errorString();
  }
  damaged_ = false;
  return QString();
}

}  // namespace spulix
