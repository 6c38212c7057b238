// SPDX-License-Identifier: GPL-3.0-or-later
// The small bitmap icons of the main window's toolbar and of the help
// window, drawn pixel-aligned for their one size.
#ifndef SPULIX_RESOURCES_GENERATOR_SMALL_ICONS_H_
#define SPULIX_RESOURCES_GENERATOR_SMALL_ICONS_H_

#include <QImage>

namespace spulix {

// 32 x 32, transparent background.
QImage DrawPrinterIcon();
QImage DrawRefreshIcon();  // a page with two green circular arrows
QImage DrawWasteBinIcon();
QImage DrawMagnifierIcon();
QImage DrawCalculatorIcon();  // a pocket calculator
QImage DrawPortraitIcon();
QImage DrawQuestionMarkIcon();  // yellow, for the help window

// 20 x 20: a round yellow face whose mouth is crossed out.
QImage DrawExitFace();

}  // namespace spulix

#endif  // SPULIX_RESOURCES_GENERATOR_SMALL_ICONS_H_
