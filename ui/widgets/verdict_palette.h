// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of verdicts and side notes in the tool windows and the
// report, each once, so "fits" is the same green everywhere. Dark enough
// to read on white and on a grey print. (The main window's own colours are
// part of its fixed look and stay there.)
#ifndef SPULIX_UI_WIDGETS_VERDICT_PALETTE_H_
#define SPULIX_UI_WIDGETS_VERDICT_PALETTE_H_

#include <QColor>
#include <QString>

namespace spulix::verdict_palette {

inline constexpr QRgb kGood = 0x007000;     // fits, builds
inline constexpr QRgb kBad = 0xC00000;      // does not fit, an error
inline constexpr QRgb kCaution = 0xA06000;  // exactly full: use with care
inline constexpr QRgb kNote = 0x505050;     // sources and side notes
inline constexpr QRgb kMuted = 0x808080;    // a value that is only a bound
inline constexpr QRgb kMarkedRow = 0xD8F0D0;

// A style sheet that sets a label's text to the colour.
inline QString TextStyle(QRgb colour) {
  return QStringLiteral("color: %1").arg(QColor(colour).name());
}

}  // namespace spulix::verdict_palette

#endif  // SPULIX_UI_WIDGETS_VERDICT_PALETTE_H_
