// SPDX-License-Identifier: GPL-3.0-or-later
// The program's two Chinese faces and the pixel sizes of its fonts.
#ifndef SPULIX_UI_WIDGETS_FONTS_H_
#define SPULIX_UI_WIDGETS_FONTS_H_

#include <QFont>

namespace spulix {

// 宋体 is drawn with a serif CJK face, 黑体 with a sans CJK face.
enum class Face { kSong, kHei };

inline constexpr const char* kSongFamily = "Noto Serif CJK SC";
inline constexpr const char* kHeiFamily = "Noto Sans CJK SC";

// The same faces cut down to the characters of the program's texts and
// embedded in it: 宋体 regular, 黑体 regular and bold. A small face is
// quicker to open and keeps far fewer pages in memory; what it lacks (text
// the user types) comes from the installed faces above.
inline constexpr const char* kSongSubsetFamily = "Spulix Song";
inline constexpr const char* kHeiSubsetFamily = "Spulix Hei";
inline constexpr const char* kSubsetFiles[] = {":/fonts/song-regular.otf",
                                               ":/fonts/hei-regular.otf",
                                               ":/fonts/hei-bold.otf"};

// Registers the embedded faces with the font database, once; whether they
// all are there. MakeFont calls it.
bool LoadEmbeddedFaces();

// Point sizes at 96 dots per inch, as pixel sizes so that the layout does not
// depend on the display's reported resolution (high-DPI scaling is Qt's).
inline constexpr int kPixels9Pt = 12;
inline constexpr int kPixels12Pt = 16;
inline constexpr int kPixels14_25Pt = 19;

QFont MakeFont(Face face, int pixel_size, bool bold = false,
               bool underline = false);

// The window's font, 宋体 9 pt regular: every control without a font of its
// own uses it.
QFont WindowFont();

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_FONTS_H_
