// SPDX-License-Identifier: GPL-3.0-or-later
// The small bitmap icons of the main window's toolbar and of the help
// window, drawn pixel-aligned for their size, and at twice that size for
// screens with two pixels per logical pixel.
#ifndef SPULIX_RESOURCES_GENERATOR_SMALL_ICONS_H_
#define SPULIX_RESOURCES_GENERATOR_SMALL_ICONS_H_

#include <QImage>

namespace spulix {

// 32 x 32 times `scale`, transparent background.
QImage DrawPrinterIcon(int scale = 1);
QImage DrawRefreshIcon(int scale = 1);  // a page with two green circular arrows
QImage DrawWasteBinIcon(int scale = 1);
QImage DrawMagnifierIcon(int scale = 1);
QImage DrawCalculatorIcon(int scale = 1);  // a pocket calculator
QImage DrawPortraitIcon(int scale = 1);
QImage DrawQuestionMarkIcon(int scale = 1);  // yellow, for the help window

// 20 x 20 times `scale`: a round yellow face whose mouth is crossed out.
QImage DrawExitFace(int scale = 1);

}  // namespace spulix

#endif  // SPULIX_RESOURCES_GENERATOR_SMALL_ICONS_H_
