// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/coil_section_view.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <string>
#include <vector>

#include "present/coil_drawing.h"
#include "ui/language/translated_text.h"

namespace spulix {
namespace {

QColor ToQColor(const DrawingColour& colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

QString ToQ(const std::string& text) { return QString::fromStdString(text); }

QRectF ToQRect(const SectionRect& r) {
  return QRectF(r.x, r.y, r.width, r.height);
}

// The legend's texts, top to bottom, with their swatches.
struct LegendRow {
  QString text;
  QColor fill;
  bool dashed = false;
};

std::vector<LegendRow> Legend(const CoilSection& section,
                              const CoilLabels& labels) {
  std::vector<LegendRow> rows;
  for (std::size_t k = 0; k < section.windings.size(); ++k) {
    rows.push_back({ToQ(labels.windings[k]),
                    ToQColor(WindingColour(section.windings[k].index))});
  }
  const QColor verdict = ToQColor(section.fits ? kMarginColour : kExcessColour);
  if (!labels.insulation.empty()) {
    rows.push_back({ToQ(labels.insulation), ToQColor(kInsulationFill)});
  }
  rows.push_back({ToQ(labels.bobbin), ToQColor(kBobbinFill)});
  rows.push_back({ToQ(labels.coil), verdict, true});
  rows.push_back({ToQ(labels.margin), verdict});
  return rows;
}

double LegendWidth(const QFontMetricsF& metrics,
                   const std::vector<LegendRow>& rows) {
  double width = 0;
  for (const LegendRow& row : rows) {
    width = std::max(width, metrics.horizontalAdvance(row.text));
  }
  return width + 2 * metrics.height();
}

}  // namespace

CoilSectionView::CoilSectionView(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CoilSectionView::SetSheet(const WindingSheet* sheet) {
  if (sheet) {
    section_ = CoilSectionOf(*sheet);
  } else {
    section_.reset();
  }
  update();
}

QSize CoilSectionView::sizeHint() const { return QSize(420, 320); }

QSize CoilSectionView::minimumSizeHint() const { return QSize(200, 150); }

void CoilSectionView::paintEvent(QPaintEvent*) {
  if (!section_) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  Paint(painter, QRectF(rect()), *section_);
}

QTransform CoilSectionView::MillimetresToArea(QPainter& painter,
                                              const QRectF& area,
                                              const CoilSection& section) {
  const QFontMetricsF metrics(painter.font());
  const CoilLabels labels = CoilLabelsOf(section, CurrentTranslation());
  const double legend = LegendWidth(metrics, Legend(section, labels));
  const double line = metrics.height();
  const double pad = line / 2;
  const double extent = std::max(section.window.width, section.coil_mm);
  const double room_x = area.width() - legend - 3 * pad;
  const double room_y = area.height() - 3 * line - 2 * pad;
  const double scale =
      std::max(0.0, std::min(room_x / extent, room_y / section.window.height));
  QTransform transform;
  transform.translate(area.left() + pad, area.top() + pad + 1.5 * line);
  transform.scale(scale, scale);
  return transform;
}

void CoilSectionView::Paint(QPainter& painter, const QRectF& area,
                            const CoilSection& section) {
  const QTransform to_area = MillimetresToArea(painter, area, section);
  const double scale = to_area.m11();
  if (!(scale > 0)) return;
  const CoilLabels labels = CoilLabelsOf(section, CurrentTranslation());
  const std::vector<LegendRow> legend = Legend(section, labels);
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height();
  const auto at = [&to_area](const SectionRect& r) {
    return to_area.mapRect(ToQRect(r));
  };
  painter.save();
  const QPen outline(ToQColor(kOutline), 1);
  const QPen thin(QColor(0, 0, 0, 140), 0.5);
  const QColor verdict = ToQColor(section.fits ? kMarginColour : kExcessColour);

  const QRectF window = at(section.window);
  painter.setPen(ToQColor(kTextColour));
  painter.drawText(QPointF(window.left(), window.top() - line / 2),
                   ToQ(labels.window));
  painter.fillRect(window, ToQColor(kWindowFill));
  QColor shade = verdict;
  shade.setAlphaF(0.45);
  painter.fillRect(at(section.margin), shade);
  painter.setPen(thin);
  painter.setBrush(ToQColor(kBobbinFill));
  painter.drawRect(at(section.bobbin));
  for (const SectionWinding& w : section.windings) {
    painter.setBrush(ToQColor(WindingColour(w.index)));
    for (const SectionLayer& layer : w.layers) painter.drawRect(at(layer.rect));
    painter.setBrush(ToQColor(kInsulationFill));
    for (const SectionInsulation& gap : w.insulation) {
      painter.drawRect(at(gap.rect));
    }
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(outline);
  painter.drawRect(window);
  QPen coil(verdict, 1.5, Qt::DashLine);
  painter.setPen(coil);
  painter.drawLine(
      to_area.map(QPointF(section.coil_mm, 0)),
      to_area.map(QPointF(section.coil_mm, section.window.height)));

  // The scale bar under the window.
  painter.setPen(outline);
  const double bar_y = window.bottom() + line;
  const double bar = labels.scale_mm * scale;
  painter.drawLine(QPointF(window.left(), bar_y),
                   QPointF(window.left() + bar, bar_y));
  for (double x : {window.left(), window.left() + bar}) {
    painter.drawLine(QPointF(x, bar_y - line / 4),
                     QPointF(x, bar_y + line / 4));
  }
  painter.drawText(
      QPointF(window.left() + bar + line / 2, bar_y + metrics.ascent() / 2 - 1),
      ToQ(labels.scale));

  // The legend to the right of the coil.
  const double extent = std::max(section.window.width, section.coil_mm);
  const double legend_x = to_area.map(QPointF(extent, 0)).x() + line;
  double y = window.top();
  for (const LegendRow& row : legend) {
    const QRectF swatch(legend_x, y, line * 0.8, line * 0.8);
    if (row.dashed) {
      painter.setPen(QPen(row.fill, 1.5, Qt::DashLine));
      painter.drawLine(QPointF(swatch.center().x(), swatch.top()),
                       QPointF(swatch.center().x(), swatch.bottom()));
    } else {
      painter.setPen(thin);
      painter.setBrush(row.fill);
      painter.drawRect(swatch);
    }
    painter.setPen(&row == &legend.back() ? verdict : ToQColor(kTextColour));
    painter.drawText(QPointF(legend_x + line * 1.2, y + metrics.ascent() * 0.8),
                     row.text);
    y += line * 1.4;
  }
  painter.restore();
}

}  // namespace spulix
