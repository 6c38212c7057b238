// SPDX-License-Identifier: GPL-3.0-or-later
// The core diagram of the main window: the front view of an E-I core plate
// with the dimension arrows for window width c, window height h and tongue
// width a. The window puts the figures as labels on the picture.
#ifndef SPULIX_RESOURCES_GENERATOR_CORE_DIAGRAM_H_
#define SPULIX_RESOURCES_GENERATOR_CORE_DIAGRAM_H_

#include <QColor>
#include <QImage>
#include <QPoint>

namespace spulix {

// The plate's grey; the figure labels use it as their background.
inline const QColor kCorePlateGrey(0xD6, 0xD2, 0xD7);

// Top-left corners of the figure labels on the picture. Each label is 12 to
// 18 pixels high, depending on the face, and grows to the right; the arrows
// are laid out so that a label of up to five characters (30 pixels) leaves
// its arrow in sight.
inline constexpr QPoint kWidthLabelAt(48, 8);     // c
inline constexpr QPoint kTongueLabelAt(96, 104);  // a
inline constexpr QPoint kHeightLabelAt(160, 56);  // h

// 191 x 128 pixels.
QImage DrawCoreDiagram();

}  // namespace spulix

#endif  // SPULIX_RESOURCES_GENERATOR_CORE_DIAGRAM_H_
