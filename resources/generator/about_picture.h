// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the About box: a small mains transformer whose taped coil
// carries the product's initial.
#ifndef SPULIX_RESOURCES_GENERATOR_ABOUT_PICTURE_H_
#define SPULIX_RESOURCES_GENERATOR_ABOUT_PICTURE_H_

#include <QImage>

namespace spulix {

// 72 x 72 pixels on a transparent background.
QImage DrawAboutPicture();

}  // namespace spulix

#endif  // SPULIX_RESOURCES_GENERATOR_ABOUT_PICTURE_H_
