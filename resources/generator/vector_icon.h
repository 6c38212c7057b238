// SPDX-License-Identifier: GPL-3.0-or-later
// A small vector drawing that renders to PNG at any size and writes itself
// out as SVG, so the bitmap icons and the scalable icon stay the same.
#ifndef SPULIX_RESOURCES_GENERATOR_VECTOR_ICON_H_
#define SPULIX_RESOURCES_GENERATOR_VECTOR_ICON_H_

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <vector>

namespace spulix {

// One filled and/or stroked path. An invalid colour means "none". When
// `fill_bottom` is valid the fill runs as a vertical gradient from `fill` at
// the top of the path to `fill_bottom` at its bottom.
struct VectorShape {
  QPainterPath path;
  QColor fill;
  QColor fill_bottom;
  QColor stroke;
  double stroke_width = 0.0;
};

// Shapes drawn in order on a square canvas of `view_size` units.
struct VectorIcon {
  double view_size = 32.0;
  std::vector<VectorShape> shapes;
};

// Renders `icon` smoothed onto a transparent `pixels` x `pixels` image.
QImage RenderVectorIcon(const VectorIcon& icon, int pixels);

// The same drawing as an SVG document.
QString VectorIconToSvg(const VectorIcon& icon);

}  // namespace spulix

#endif  // SPULIX_RESOURCES_GENERATOR_VECTOR_ICON_H_
