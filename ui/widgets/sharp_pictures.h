// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures that stay sharp on screens with two pixels per logical pixel:
// each comes as name.png and, drawn at twice the size, name@2x.png.
#ifndef SPULIX_UI_WIDGETS_SHARP_PICTURES_H_
#define SPULIX_UI_WIDGETS_SHARP_PICTURES_H_

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace spulix {

// The icon at `path` together with its @2x picture where one exists, so a
// screen of any scale picks the one that fits.
QIcon SharpIcon(const QString& path);

// The picture at `path` for a screen of `device_pixel_ratio`, as large in
// logical pixels as the picture has pixels: the picture itself at scale 1,
// made from the @2x picture on finer screens.
QPixmap SharpPixmap(const QString& path, qreal device_pixel_ratio);

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_SHARP_PICTURES_H_
