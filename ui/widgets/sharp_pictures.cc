// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/sharp_pictures.h"

#include <QFile>
#include <QImageReader>

namespace spulix {
namespace {

QString DoubleSizePath(const QString& path) {
  QString doubled = path;
  const qsizetype dot = doubled.lastIndexOf(QLatin1Char('.'));
  return doubled.insert(dot < 0 ? doubled.size() : dot, QStringLiteral("@2x"));
}

}  // namespace

QIcon SharpIcon(const QString& path) {
  // QIcon looks for @2x files only when the screen already has scale 2 as
  // the icon is made; adding it here serves screens met later as well.
  QIcon icon(path);
  const QString doubled = DoubleSizePath(path);
  if (QFile::exists(doubled)) icon.addFile(doubled);
  return icon;
}

QPixmap SharpPixmap(const QString& path, qreal device_pixel_ratio) {
  const QSize size = QImageReader(path).size();
  return SharpIcon(path).pixmap(size, device_pixel_ratio);
}

}  // namespace spulix
