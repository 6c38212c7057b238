// SPDX-License-Identifier: GPL-3.0-or-later
#include "small_icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace spulix {
namespace {

constexpr int kIconSize = 32;
constexpr int kFaceSize = 20;

const QColor kOutline(0x3C, 0x46, 0x57);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kPaperEdge(0x71, 0x80, 0x96);
const QColor kTextLine(0xA0, 0xAE, 0xC0);

// A transparent canvas with a smoothing painter.
struct Canvas {
  explicit Canvas(int size)
      : image(size, size, QImage::Format_ARGB32_Premultiplied) {
    image.fill(Qt::transparent);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
  }
  QImage Finish() {
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
  }
  QImage image;
  QPainter painter;
};

QLinearGradient Vertical(double top, double bottom, const QColor& from,
                         const QColor& to) {
  QLinearGradient gradient(0, top, 0, bottom);
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  return gradient;
}

QLinearGradient Horizontal(double left, double right, const QColor& from,
                           const QColor& to) {
  QLinearGradient gradient(left, 0, right, 0);
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  return gradient;
}

QPen Pen(const QColor& colour, double width = 1.0) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Grey lines standing for text on a sheet, one every 3 pixels.
void TextLines(QPainter& p, double left, double right, double top, int count) {
  p.setPen(Pen(kTextLine));
  for (int i = 0; i < count; ++i) {
    const double y = top + 3 * i;
    p.drawLine(QPointF(left, y), QPointF(right - (i % 2) * 3, y));
  }
}

// A sheet of paper with its top-right corner folded over.
void FoldedSheet(QPainter& p, const QRectF& sheet, double fold) {
  QPainterPath page(sheet.topLeft());
  page.lineTo(sheet.right() - fold, sheet.top());
  page.lineTo(sheet.right(), sheet.top() + fold);
  page.lineTo(sheet.bottomRight());
  page.lineTo(sheet.bottomLeft());
  page.closeSubpath();
  p.setPen(Pen(kPaperEdge));
  p.setBrush(kPaper);
  p.drawPath(page);
  QPainterPath corner(QPointF(sheet.right() - fold, sheet.top()));
  corner.lineTo(sheet.right() - fold, sheet.top() + fold);
  corner.lineTo(sheet.right(), sheet.top() + fold);
  p.setBrush(QColor(0xD5, 0xDD, 0xE8));
  p.drawPath(corner);
}

// A circular arrow on the circle (`centre`, `radius`) from `start` degrees
// turning clockwise through `sweep` degrees, with its head at the end.
void CircularArrow(QPainter& p, QPointF centre, double radius, double start,
                   double sweep, const QColor& fill, const QColor& edge) {
  const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius,
                      2 * radius);
  QPainterPath arc;
  arc.arcMoveTo(circle, start);
  arc.arcTo(circle, start, -sweep);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(edge, 4.0, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(arc);
  p.setPen(QPen(fill, 2.0, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(arc);

  // Head: a triangle across the end of the arc, pointing along it.
  const double end = (start - sweep) * std::numbers::pi / 180.0;
  const QPointF tip_base(centre.x() + radius * std::cos(end),
                         centre.y() - radius * std::sin(end));
  const QPointF along(std::sin(end), std::cos(end));  // clockwise tangent
  const QPointF outward(std::cos(end), -std::sin(end));
  const QPolygonF head = {tip_base + along * 4.5,
                          tip_base + outward * 3.8 - along * 0.5,
                          tip_base - outward * 3.8 - along * 0.5};
  p.setPen(Pen(edge));
  p.setBrush(fill);
  p.drawPolygon(head);
}

}  // namespace

QImage DrawPrinterIcon() {
  Canvas c(kIconSize);
  QPainter& p = c.painter;
  // Paper waiting at the back.
  p.setPen(Pen(kPaperEdge));
  p.setBrush(kPaper);
  p.drawRect(QRectF(9.5, 3.5, 13, 11));
  TextLines(p, 11.5, 20.5, 6.5, 2);
  // Body.
  p.setPen(Pen(kOutline));
  p.setBrush(
      Vertical(12, 25, QColor(0xED, 0xF1, 0xF6), QColor(0x9A, 0xA8, 0xBC)));
  p.drawRoundedRect(QRectF(2.5, 12.5, 27, 12), 2.5, 2.5);
  // Paper slot and the printed sheet coming out of it.
  p.setPen(Pen(QColor(0x2D, 0x37, 0x48), 2.0));
  p.drawLine(QPointF(7, 20), QPointF(25, 20));
  p.setPen(Pen(kPaperEdge));
  p.setBrush(kPaper);
  p.drawRect(QRectF(8.5, 20.5, 15, 9));
  TextLines(p, 10.5, 21.5, 23.5, 2);
  // Power light.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2F, 0xB3, 0x4A));
  p.drawEllipse(QPointF(26, 16), 1.3, 1.3);
  return c.Finish();
}

QImage DrawRefreshIcon() {
  Canvas c(kIconSize);
  QPainter& p = c.painter;
  FoldedSheet(p, QRectF(4.5, 2.5, 18, 25), 5);
  TextLines(p, 7.5, 16.5, 7.5, 4);
  const QColor green(0x2F, 0xA8, 0x46);
  const QColor dark_green(0x1C, 0x5E, 0x2A);
  const QPointF centre(20.5, 20.5);
  // A white disc keeps the arrows readable over the page's lines.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawEllipse(centre, 9.5, 9.5);
  CircularArrow(p, centre, 6.5, 210, 130, green, dark_green);
  CircularArrow(p, centre, 6.5, 30, 130, green, dark_green);
  return c.Finish();
}

QImage DrawWasteBinIcon() {
  Canvas c(kIconSize);
  QPainter& p = c.painter;
  const QColor metal_top(0xE2, 0xE8, 0xF0);
  const QColor metal_bottom(0x8A, 0x98, 0xAE);
  // Can, narrowing towards the bottom.
  QPainterPath can(QPointF(7.5, 9.5));
  can.lineTo(24.5, 9.5);
  can.lineTo(22.5, 29.5);
  can.lineTo(9.5, 29.5);
  can.closeSubpath();
  p.setPen(Pen(kOutline));
  p.setBrush(Horizontal(7, 25, metal_top, metal_bottom));
  p.drawPath(can);
  // Ribs.
  p.setPen(Pen(QColor(0x5A, 0x67, 0x7D)));
  for (double x : {12.0, 16.0, 20.0}) {
    const double bottom_x = 16.0 + (x - 16.0) * 0.75;
    p.drawLine(QPointF(x, 12.5), QPointF(bottom_x, 26.5));
  }
  // Handle and lid.
  p.setPen(Pen(kOutline));
  p.setBrush(metal_bottom);
  p.drawRoundedRect(QRectF(12.5, 3.5, 7, 3), 1.2, 1.2);
  p.setBrush(Vertical(6, 10, metal_top, metal_bottom));
  p.drawRoundedRect(QRectF(5.5, 6.5, 21, 3), 1.2, 1.2);
  return c.Finish();
}

QImage DrawMagnifierIcon() {
  Canvas c(kIconSize);
  QPainter& p = c.painter;
  const QPointF lens(12.5, 12.5);
  // Handle first, so the rim covers its end.
  p.setPen(QPen(QColor(0x2D, 0x37, 0x48), 6.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(19, 19), QPointF(27, 27));
  p.setPen(QPen(QColor(0x71, 0x80, 0x96), 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(21, 20.5), QPointF(26, 25.5));
  // Glass.
  QRadialGradient glass(QPointF(10, 10), 11);
  glass.setColorAt(0, QColor(0xF0, 0xF8, 0xFF));
  glass.setColorAt(1, QColor(0x90, 0xC2, 0xEE));
  p.setPen(Qt::NoPen);
  p.setBrush(glass);
  p.drawEllipse(lens, 8.5, 8.5);
  // Rim.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x4A, 0x55, 0x68), 3.0));
  p.drawEllipse(lens, 8.5, 8.5);
  p.setPen(QPen(QColor(0xCB, 0xD5, 0xE0), 1.0));
  p.drawEllipse(lens, 8.5, 8.5);
  // Glint.
  p.setPen(QPen(QColor(255, 255, 255, 230), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(7, 7, 11, 11), 100 * 16, 70 * 16);
  return c.Finish();
}

QImage DrawCalculatorIcon() {
  Canvas c(kIconSize);
  QPainter& p = c.painter;
  // Case.
  p.setPen(Pen(QColor(0x1A, 0x20, 0x2C)));
  p.setBrush(
      Vertical(2, 30, QColor(0x5A, 0x67, 0x7D), QColor(0x2D, 0x37, 0x48)));
  p.drawRoundedRect(QRectF(5.5, 1.5, 21, 29), 3, 3);
  // Display with a number on it.
  p.setPen(Pen(QColor(0x1A, 0x20, 0x2C)));
  p.setBrush(QColor(0xC4, 0xDF, 0xB0));
  p.drawRect(QRectF(8.5, 4.5, 15, 6));
  p.setPen(Pen(QColor(0x2F, 0x3E, 0x2A)));
  for (double x : {12.5, 16.5, 20.5}) {  // three digits "0" at the right
    p.drawRect(QRectF(x - 1, 6, 2, 3));
  }
  // Keys: three columns of light keys and one orange column.
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      const QRectF key(8 + column * 4, 13 + row * 4, 3, 3);
      p.setBrush(column == 3 ? QColor(0xF0, 0x8A, 0x24)
                             : QColor(0xE8, 0xEC, 0xF2));
      p.drawRect(key);
    }
  }
  return c.Finish();
}

QImage DrawPortraitIcon() {
  Canvas c(kIconSize);
  QPainter& p = c.painter;
  // Picture frame.
  p.setPen(Pen(QColor(0x5C, 0x3A, 0x1A)));
  p.setBrush(
      Vertical(2, 30, QColor(0xD6, 0x9E, 0x5E), QColor(0x9C, 0x64, 0x2C)));
  p.drawRect(QRectF(2.5, 1.5, 27, 29));
  // Sky behind the sitter.
  p.setBrush(
      Vertical(5, 27, QColor(0xE6, 0xF3, 0xFF), QColor(0xA9, 0xD2, 0xF5)));
  p.drawRect(QRectF(5.5, 4.5, 21, 23));
  p.setClipRect(QRectF(6, 5, 20, 22));
  // Shoulders.
  p.setPen(Pen(QColor(0x1E, 0x3A, 0x6E)));
  p.setBrush(
      Vertical(19, 28, QColor(0x3F, 0x7F, 0xD0), QColor(0x25, 0x55, 0xA0)));
  p.drawEllipse(QRectF(7.5, 19.5, 17, 14));
  // Head and hair.
  p.setPen(Pen(QColor(0x8A, 0x5A, 0x38)));
  p.setBrush(QColor(0xF6, 0xCB, 0xA0));
  p.drawEllipse(QRectF(11.5, 8.5, 9, 11));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x4A, 0x2E, 0x1C));
  QPainterPath hair;
  hair.moveTo(11.2, 13.5);
  hair.cubicTo(11.0, 7.0, 21.0, 7.0, 20.8, 13.5);
  hair.cubicTo(19.5, 10.8, 13.0, 10.8, 11.2, 13.5);
  p.drawPath(hair);
  return c.Finish();
}

QImage DrawQuestionMarkIcon() {
  Canvas c(kIconSize);
  QPainter& p = c.painter;
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(32);
  QPainterPath mark;
  mark.addText(0, 0, font, QStringLiteral("?"));
  // Fit the glyph into the canvas with a margin for the outline.
  const QRectF box = mark.boundingRect();
  const double scale = 27.0 / box.height();
  QTransform fit;
  fit.translate(16.0, 16.0);
  fit.scale(scale, scale);
  fit.translate(-box.center().x(), -box.center().y());
  mark = fit.map(mark);
  p.setPen(Pen(QColor(0x7A, 0x4E, 0x00), 1.6));
  p.setBrush(
      Vertical(2, 30, QColor(0xFF, 0xF1, 0x76), QColor(0xF2, 0xB2, 0x00)));
  p.drawPath(mark);
  return c.Finish();
}

QImage DrawExitFace() {
  Canvas c(kFaceSize);
  QPainter& p = c.painter;
  const QPointF centre(10, 10);
  QRadialGradient skin(QPointF(8, 7), 10);
  skin.setColorAt(0, QColor(0xFF, 0xF3, 0x8A));
  skin.setColorAt(1, QColor(0xF5, 0xB8, 0x00));
  p.setPen(Pen(QColor(0x8A, 0x60, 0x00)));
  p.setBrush(skin);
  p.drawEllipse(centre, 9, 9);
  // Eyes.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3A, 0x2A, 0x00));
  p.drawEllipse(QPointF(7, 7.5), 1.3, 1.6);
  p.drawEllipse(QPointF(13, 7.5), 1.3, 1.6);
  // Mouth, crossed out.
  p.setPen(Pen(QColor(0x3A, 0x2A, 0x00), 1.5));
  p.drawLine(QPointF(5, 13.5), QPointF(15, 13.5));
  p.setPen(Pen(QColor(0xD0, 0x10, 0x10), 1.2));
  p.drawLine(QPointF(8, 11.5), QPointF(12, 15.5));
  p.drawLine(QPointF(12, 11.5), QPointF(8, 15.5));
  return c.Finish();
}

}  // namespace spulix
