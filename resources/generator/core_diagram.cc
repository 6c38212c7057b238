// SPDX-License-Identifier: GPL-3.0-or-later
#include "core_diagram.h"

#include <QPainter>
#include <QPen>
#include <QRect>

namespace spulix {
namespace {

constexpr int kWidth = 191;
constexpr int kHeight = 128;

// The plate fills the picture: the I bar on top (rows 0-30) lies on the E,
// whose legs and back fill the rest. Both windows open below the I bar.
constexpr int kSeamY = 31;
const QRect kLeftWindow(QPoint(32, 32), QPoint(67, 95));
const QRect kRightWindow(QPoint(123, 32), QPoint(158, 95));
constexpr int kHoleRadius = 4;
const QPoint kHoles[] = {{15, 14}, {175, 14}, {15, 112}, {175, 112}};

// Dimension lines. A figure label is 12 pixels high in the classic 9-point
// face and up to 18 with the CJK faces' line spacing; the arrows keep clear
// of the taller size.
constexpr int kLabelHeight = 18;
constexpr int kWidthArrowY = kWidthLabelAt.y() + kLabelHeight + 2;  // c
constexpr int kHeightArrowX = 154;  // h, inside the right window's right side
constexpr int kTongueArrowY = 101;  // a, below the tongue
constexpr int kExtensionGap = 1;    // between a label and an extension line

const QColor kOpening(0xA8, 0xA4, 0xAC);
const QColor kOpeningShadow(0x86, 0x82, 0x8A);
const QColor kEdge(0x80, 0x7C, 0x84);
const QColor kSeam(0xAE, 0xAA, 0xB0);

void Opening(QPainter& p, const QRect& r) {
  p.fillRect(r, kOpening);
  // A shadow along the top and left edges makes the opening look cut out.
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), kOpeningShadow);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), kOpeningShadow);
  p.setPen(kEdge);
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(-1, -1, 0, 0));
}

void Hole(QPainter& p, QPoint centre) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(kEdge, 1.0));
  p.setBrush(kOpening);
  p.drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), kHoleRadius + 0.5,
                kHoleRadius + 0.5);
  p.setRenderHint(QPainter::Antialiasing, false);
}

// A crisp arrow head whose tip is pixel `tip`, pointing (dx, dy): it widens
// by one pixel on each side every two pixels back from the tip.
void Head(QPainter& p, QPoint tip, int dx, int dy) {
  constexpr int kLength = 5;
  for (int i = 0; i < kLength; ++i) {
    const int half = (i + 1) / 2;
    const QPoint centre = tip - QPoint(dx, dy) * i;
    if (dx != 0) {
      p.fillRect(QRect(centre.x(), centre.y() - half, 1, 2 * half + 1),
                 Qt::black);
    } else {
      p.fillRect(QRect(centre.x() - half, centre.y(), 2 * half + 1, 1),
                 Qt::black);
    }
  }
}

// A horizontal dimension from pixel column `x1` to `x2` on row `y`.
void HorizontalDimension(QPainter& p, int x1, int x2, int y) {
  p.fillRect(QRect(x1, y, x2 - x1 + 1, 1), Qt::black);
  Head(p, QPoint(x1, y), -1, 0);
  Head(p, QPoint(x2, y), +1, 0);
}

void VerticalDimension(QPainter& p, int x, int y1, int y2) {
  p.fillRect(QRect(x, y1, 1, y2 - y1 + 1), Qt::black);
  Head(p, QPoint(x, y1), 0, -1);
  Head(p, QPoint(x, y2), 0, +1);
}

}  // namespace

QImage DrawCoreDiagram() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(kCorePlateGrey);
  QPainter p(&image);

  // Plate outline and the joint between the I bar and the E.
  p.setPen(kEdge);
  p.drawRect(0, 0, kWidth - 1, kHeight - 1);
  p.fillRect(QRect(1, kSeamY, kWidth - 2, 1), kSeam);

  Opening(p, kLeftWindow);
  Opening(p, kRightWindow);
  for (QPoint centre : kHoles) Hole(p, centre);

  // c: across the top of the left window, with extension lines up from the
  // window's sides that stop just short of the figure above.
  const int label_bottom = kWidthLabelAt.y() + kLabelHeight - 1;
  for (int x : {kLeftWindow.left() - 1, kLeftWindow.right() + 1}) {
    const int top = label_bottom + 1 + kExtensionGap;
    p.fillRect(QRect(x, top, 1, kLeftWindow.top() - top), Qt::black);
  }
  HorizontalDimension(p, kLeftWindow.left(), kLeftWindow.right(), kWidthArrowY);

  // h: from the top to the bottom of the right window, along its right side
  // and just left of the figure.
  VerticalDimension(p, kHeightArrowX, kRightWindow.top(),
                    kRightWindow.bottom());

  // a: between the two windows' inner sides, below the tongue; extension
  // lines run down from the windows' bottom corners and end above the figure.
  const int tongue_left = kLeftWindow.right() + 1;
  const int tongue_right = kRightWindow.left() - 1;
  for (int x : {tongue_left, tongue_right}) {
    const int top = kLeftWindow.bottom() + 1;
    const int bottom = kTongueLabelAt.y() - 1 - kExtensionGap;
    p.fillRect(QRect(x, top, 1, bottom - top + 1), Qt::black);
  }
  HorizontalDimension(p, tongue_left + 1, tongue_right - 1, kTongueArrowY);

  p.end();
  return image;
}

}  // namespace spulix
