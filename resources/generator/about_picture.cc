// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace spulix {
namespace {

constexpr int kSize = 72;

const QRectF kCore(5.5, 17.5, 61, 47);
const QRectF kCoil(17.5, 26.5, 37, 30);  // covers both windows and the tongue

QPen Pen(const QColor& colour, double width = 1.0) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A lead wire leaving the top of the coil, bent up over the core.
void Lead(QPainter& p, double x, double bend, const QColor& colour) {
  QPainterPath wire(QPointF(x, kCoil.top() + 2));
  wire.cubicTo(x, 12, x + bend, 12, x + bend, 3);
  p.setPen(Pen(colour.darker(170), 3.2));
  p.drawPath(wire);
  p.setPen(Pen(colour, 1.8));
  p.drawPath(wire);
  // Bare copper end.
  p.setPen(Pen(QColor(0xD9, 0x8C, 0x3C), 1.6));
  p.drawLine(QPointF(x + bend, 4.5), QPointF(x + bend, 1.5));
}

}  // namespace

QImage DrawAboutPicture() {
  QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // Laminated core with its E-I joint and mounting holes.
  QLinearGradient steel(kCore.topLeft(), kCore.bottomRight());
  steel.setColorAt(0, QColor(0xEE, 0xEC, 0xF0));
  steel.setColorAt(1, QColor(0x98, 0x94, 0x9E));
  p.setPen(Pen(QColor(0x4A, 0x47, 0x50)));
  p.setBrush(steel);
  p.drawRoundedRect(kCore, 1.5, 1.5);
  p.setPen(Pen(QColor(0x7A, 0x76, 0x80)));
  p.drawLine(QPointF(kCore.left() + 1, 26.5), QPointF(kCore.right() - 1, 26.5));
  p.setBrush(QColor(0x5A, 0x57, 0x60));
  for (QPointF hole :
       {QPointF(11, 22), QPointF(61, 22), QPointF(11, 59), QPointF(61, 59)}) {
    p.drawEllipse(hole, 2.3, 2.3);
  }

  // Coil wound round the tongue, wrapped in yellow insulating tape.
  QLinearGradient tape(kCoil.topLeft(), kCoil.topRight());
  tape.setColorAt(0.0, QColor(0xD9, 0x9E, 0x12));
  tape.setColorAt(0.35, QColor(0xFF, 0xE0, 0x6A));
  tape.setColorAt(1.0, QColor(0xC7, 0x88, 0x0A));
  p.setPen(Pen(QColor(0x7A, 0x52, 0x00)));
  p.setBrush(tape);
  p.drawRoundedRect(kCoil, 4, 4);
  // Edges of the tape layers.
  p.setPen(Pen(QColor(0xB0, 0x78, 0x08, 160)));
  for (double y : {30.5, 52.5}) {
    p.drawLine(QPointF(kCoil.left() + 2, y), QPointF(kCoil.right() - 2, y));
  }

  // The initial, printed on the tape.
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setBold(true);
  font.setPixelSize(26);
  QPainterPath letter;
  letter.addText(0, 0, font, QStringLiteral("S"));
  const QRectF box = letter.boundingRect();
  letter.translate(kCoil.center() - box.center());
  p.setPen(Pen(QColor(0xFF, 0xF6, 0xD0), 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(letter);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1E, 0x3A, 0x8A));
  p.drawPath(letter);

  // Two primary and two secondary leads.
  Lead(p, 22.5, -4, QColor(0xD0, 0x20, 0x20));
  Lead(p, 28.5, -2, QColor(0xD0, 0x20, 0x20));
  Lead(p, 43.5, 2, QColor(0x20, 0x60, 0xD0));
  Lead(p, 49.5, 4, QColor(0x20, 0x60, 0xD0));

  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace spulix
