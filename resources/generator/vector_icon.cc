// SPDX-License-Identifier: GPL-3.0-or-later
#include "vector_icon.h"

#include <QBrush>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QTextStream>

namespace spulix {
namespace {

QBrush FillBrush(const VectorShape& shape) {
  if (!shape.fill.isValid()) return Qt::NoBrush;
  if (!shape.fill_bottom.isValid()) return shape.fill;
  const QRectF box = shape.path.boundingRect();
  QLinearGradient gradient(box.topLeft(), box.bottomLeft());
  gradient.setColorAt(0.0, shape.fill);
  gradient.setColorAt(1.0, shape.fill_bottom);
  return gradient;
}

QString SvgNumber(double value) { return QString::number(value, 'g', 6); }

QString SvgColour(const QColor& colour) {
  return colour.name(QColor::HexRgb).toUpper();
}

// Path data in absolute commands; Qt keeps arcs and curves as cubic Béziers.
QString SvgPathData(const QPainterPath& path) {
  QString data;
  QTextStream out(&data);
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    const auto point = [](const QPainterPath::Element& p) {
      return SvgNumber(p.x) + QLatin1Char(' ') + SvgNumber(p.y);
    };
    if (e.isMoveTo()) {
      out << (i == 0 ? "M" : " M") << point(e);
    } else if (e.isLineTo()) {
      out << " L" << point(e);
    } else if (e.isCurveTo()) {
      out << " C" << point(e) << ' ' << point(path.elementAt(i + 1)) << ' '
          << point(path.elementAt(i + 2));
      i += 2;
    }
  }
  return data;
}

}  // namespace

QImage RenderVectorIcon(const VectorIcon& icon, int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(pixels / icon.view_size, pixels / icon.view_size);
  for (const VectorShape& shape : icon.shapes) {
    if (shape.stroke.isValid()) {
      painter.setPen(QPen(shape.stroke, shape.stroke_width, Qt::SolidLine,
                          Qt::RoundCap, Qt::RoundJoin));
    } else {
      painter.setPen(Qt::NoPen);
    }
    painter.setBrush(FillBrush(shape));
    painter.drawPath(shape.path);
  }
  painter.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QString VectorIconToSvg(const VectorIcon& icon) {
  QString defs;
  QString paths;
  QTextStream def_out(&defs);
  QTextStream out(&paths);
  int gradients = 0;
  for (const VectorShape& shape : icon.shapes) {
    QString fill = QStringLiteral("none");
    if (shape.fill.isValid() && shape.fill_bottom.isValid()) {
      const QString id = QStringLiteral("fill%1").arg(++gradients);
      def_out << "    <linearGradient id=\"" << id
              << "\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
              << "<stop offset=\"0\" stop-color=\"" << SvgColour(shape.fill)
              << "\"/><stop offset=\"1\" stop-color=\""
              << SvgColour(shape.fill_bottom) << "\"/></linearGradient>\n";
      fill = QStringLiteral("url(#%1)").arg(id);
    } else if (shape.fill.isValid()) {
      fill = SvgColour(shape.fill);
    }
    out << "  <path d=\"" << SvgPathData(shape.path) << "\" fill=\"" << fill
        << "\" fill-rule=\""
        << (shape.path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero")
        << '"';
    if (shape.stroke.isValid()) {
      out << " stroke=\"" << SvgColour(shape.stroke) << "\" stroke-width=\""
          << SvgNumber(shape.stroke_width)
          << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    }
    out << "/>\n";
  }

  QString svg;
  QTextStream doc(&svg);
  const QString size = SvgNumber(icon.view_size);
  doc << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size
      << "\" height=\"" << size << "\" viewBox=\"0 0 " << size << ' ' << size
      << "\">\n";
  if (!defs.isEmpty()) doc << "  <defs>\n" << defs << "  </defs>\n";
  doc << paths << "</svg>\n";
  return svg;
}

}  // namespace spulix
