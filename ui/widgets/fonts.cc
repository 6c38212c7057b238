// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>

namespace spulix {
namespace {

bool RegisterEmbeddedFaces() {
  for (const char* file : kSubsetFiles) {
    const QResource resource(QString::fromLatin1(file));
    if (!resource.isValid()) return false;
    // Stored uncompressed: the font database reads the face where it lies in
    // the program, so only the pages it touches are loaded.
    const QByteArray data =
        resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(
                  reinterpret_cast<const char*>(resource.data()),
                  static_cast<qsizetype>(resource.size()))
            : resource.uncompressedData();
    if (QFontDatabase::addApplicationFontFromData(data) < 0) return false;
  }
  return true;
}

}  // namespace

bool LoadEmbeddedFaces() {
  static const bool loaded = RegisterEmbeddedFaces();
  return loaded;
}

QFont MakeFont(Face face, int pixel_size, bool bold, bool underline) {
  QFont font;
  QStringList families;
  // No bold 宋体 is embedded; it comes from the installed face as before.
  if ((face == Face::kHei || !bold) && LoadEmbeddedFaces()) {
    families << QString::fromLatin1(face == Face::kSong ? kSongSubsetFamily
                                                        : kHeiSubsetFamily);
  }
  // The other CJK face stands behind as a fallback, so that no character is
  // ever drawn as a box.
  if (face == Face::kSong) {
    families << QString::fromLatin1(kSongFamily)
             << QString::fromLatin1(kHeiFamily);
    font.setStyleHint(QFont::Serif);
  } else {
    families << QString::fromLatin1(kHeiFamily)
             << QString::fromLatin1(kSongFamily);
    font.setStyleHint(QFont::SansSerif);
  }
  font.setFamilies(families);
  font.setPixelSize(pixel_size);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setUnderline(underline);
  return font;
}

QFont WindowFont() { return MakeFont(Face::kSong, kPixels9Pt); }

}  // namespace spulix
