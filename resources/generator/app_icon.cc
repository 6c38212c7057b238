// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_icon.h"

#include <QPointF>
#include <QRectF>

namespace spulix {
namespace {

// Lines 2 units wide on odd coordinates cover whole pixels at 32 and at 16
// pixels, so the icon stays crisp at both sizes.
constexpr double kCoilTop = 5.0;
constexpr double kCoilBottom = 27.0;
constexpr int kCoilTurns = 3;

const QColor kCopper(0xB4, 0x53, 0x09);
const QColor kIron(0x2D, 0x37, 0x48);

// A winding drawn as `kCoilTurns` half circles stacked on the line x = `base`,
// bulging right (`direction` +1) or left (-1), with a short lead at each end
// running out to x = `lead_end`.
QPainterPath Winding(double base, int direction, double lead_end) {
  const double turn = (kCoilBottom - kCoilTop) / kCoilTurns;
  QPainterPath path(QPointF(lead_end, kCoilTop));
  path.lineTo(base, kCoilTop);
  for (int i = 0; i < kCoilTurns; ++i) {
    const QRectF circle(base - turn / 2, kCoilTop + i * turn, turn, turn);
    path.arcTo(circle, 90, direction > 0 ? -180 : 180);
  }
  path.lineTo(lead_end, kCoilBottom);
  return path;
}

QPainterPath Line(double x1, double y1, double x2, double y2) {
  QPainterPath path(QPointF(x1, y1));
  path.lineTo(x2, y2);
  return path;
}

}  // namespace

VectorIcon AppIcon() {
  VectorIcon icon;
  icon.view_size = 32.0;

  QPainterPath tile;
  tile.addRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
  icon.shapes.push_back({tile, QColor(0xF7, 0xF9, 0xFC),
                         QColor(0xC3, 0xCF, 0xE2), QColor(0x4A, 0x55, 0x68),
                         1.0});

  icon.shapes.push_back(
      {Line(13, kCoilTop, 13, kCoilBottom), {}, {}, kIron, 2.0});
  icon.shapes.push_back(
      {Line(19, kCoilTop, 19, kCoilBottom), {}, {}, kIron, 2.0});

  icon.shapes.push_back({Winding(5, +1, 3), {}, {}, kCopper, 2.0});
  icon.shapes.push_back({Winding(27, -1, 29), {}, {}, kCopper, 2.0});
  return icon;
}

}  // namespace spulix
