// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QStringList>

namespace spulix {

QFont MakeFont(Face face, int pixel_size, bool bold, bool underline) {
  QFont font;
  // The other CJK face stands behind as a fallback, so that no character is
  // ever drawn as a box.
  if (face == Face::kSong) {
    font.setFamilies({kSongFamily, kHeiFamily});
    font.setStyleHint(QFont::Serif);
  } else {
    font.setFamilies({kHeiFamily, kSongFamily});
    font.setStyleHint(QFont::SansSerif);
  }
  font.setPixelSize(pixel_size);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setUnderline(underline);
  return font;
}

QFont WindowFont() { return MakeFont(Face::kSong, kPixels9Pt); }

}  // namespace spulix
