// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/load_curve_view.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <functional>

#include "present/coil_drawing.h"
#include "present/sheet_text.h"
#include "ui/language/translated_text.h"

namespace spulix {
namespace {

constexpr double kLastPercent = kLastLoad * 100;

struct Axis {
  double low = 0;
  double high = 1;
};

// Four ticks of 1, 2 or 5 times a power of ten that take in low to high.
Axis NiceAxis(double low, double high) {
  if (!std::isfinite(low) || !std::isfinite(high) || !(high > low)) {
    return {low, low + 1};
  }
  const double decade = std::pow(10, std::floor(std::log10((high - low) / 4)));
  for (double nice : {1.0, 2.0, 5.0, 10.0, 20.0}) {
    const double step = nice * decade;
    const double start = std::floor(low / step) * step;
    if (start + 4 * step >= high) return {start, start + 4 * step};
  }
  return {low, high};
}

QString Number(double value) {
  return QString::fromStdString(
      FixedText(value, value == std::round(value) ? 0 : 1));
}

// One panel: its frame, its value axis with ticks, its title, and the
// lines of `series` (value against load in percent).
void PaintPanel(
    QPainter& painter, const QRectF& panel, const Axis& axis,
    const QString& title,
    const std::vector<std::pair<QColor, std::vector<QPointF>>>& series,
    bool load_labels) {
  const QFontMetricsF metrics(painter.font());
  const auto map = [&](QPointF p) {
    return QPointF(panel.left() + p.x() / kLastPercent * panel.width(),
                   panel.bottom() - (p.y() - axis.low) /
                                        (axis.high - axis.low) *
                                        panel.height());
  };
  const QPen grid(QColor(200, 200, 200), 1);
  const QPen frame(Qt::black, 1);
  painter.setPen(grid);
  for (int tick = 0; tick <= 4; ++tick) {
    const double value = axis.low + (axis.high - axis.low) * tick / 4;
    const QPointF p = map({0, value});
    painter.drawLine(p, QPointF(panel.right(), p.y()));
    painter.setPen(Qt::black);
    const QString text = Number(value);
    painter.drawText(QPointF(panel.left() - metrics.horizontalAdvance(text) - 3,
                             p.y() + metrics.ascent() / 2 - 1),
                     text);
    painter.setPen(grid);
  }
  for (int percent = 25; percent <= kLastPercent; percent += 25) {
    const QPointF p = map({static_cast<double>(percent), axis.low});
    painter.setPen(percent == 100 ? QPen(Qt::black, 1, Qt::DashLine) : grid);
    painter.drawLine(p, QPointF(p.x(), panel.top()));
    if (load_labels) {
      painter.setPen(Qt::black);
      const QString text = QString::number(percent);
      painter.drawText(QPointF(p.x() - metrics.horizontalAdvance(text) / 2,
                               panel.bottom() + metrics.ascent() + 2),
                       text);
    }
  }
  if (load_labels) {
    painter.setPen(Qt::black);
    painter.drawText(QPointF(panel.left() - metrics.horizontalAdvance("0") / 2,
                             panel.bottom() + metrics.ascent() + 2),
                     "0");
  }
  painter.setPen(frame);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(panel);
  painter.save();
  painter.setClipRect(panel);
  for (const auto& [colour, points] : series) {
    QPainterPath path;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const QPointF p = map(points[i]);
      if (i == 0) {
        path.moveTo(p);
      } else {
        path.lineTo(p);
      }
    }
    painter.setPen(QPen(colour, 2));
    painter.drawPath(path);
  }
  painter.restore();
  // The title over the lines, on its own patch of paper.
  const QRectF title_box(panel.left() + 1, panel.top() + 1,
                         metrics.horizontalAdvance(title) + 8,
                         metrics.height() + 2);
  painter.fillRect(title_box, Qt::white);
  painter.drawText(
      QPointF(panel.left() + 4, panel.top() + metrics.ascent() + 2), title);
}

}  // namespace

const QColor LoadCurveView::kEfficiencyColour(0, 70, 170);
const QColor LoadCurveView::kRiseColour(190, 60, 0);

LoadCurveView::LoadCurveView(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

LoadCurvePlot LoadCurveView::PlotOf(const WindingSheet& sheet) {
  LoadCurvePlot plot;
  plot.curve = LoadCurve(sheet);
  for (std::size_t k = 1; k < sheet.windings.size(); ++k) {
    const SheetWinding& w = sheet.windings[k];
    plot.rated_v.push_back(w.dc ? w.dc->load.udc_v : w.voltage_v);
    plot.dc.push_back(w.dc.has_value());
  }
  return plot;
}

void LoadCurveView::SetSheet(const WindingSheet* sheet) {
  plot_ = sheet ? PlotOf(*sheet) : LoadCurvePlot{};
  update();
}

QSize LoadCurveView::sizeHint() const { return QSize(420, 360); }

QSize LoadCurveView::minimumSizeHint() const { return QSize(240, 200); }

void LoadCurveView::paintEvent(QPaintEvent*) {
  if (plot_.curve.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  Paint(painter, QRectF(rect()), plot_);
}

std::array<QRectF, 3> LoadCurveView::Panels(QPainter& painter,
                                            const QRectF& area) {
  const QFontMetricsF metrics(painter.font());
  const double line = metrics.height();
  const double left = area.left() + metrics.horizontalAdvance("100.0") + 6;
  const double right = area.right() - line;
  const double top = area.top() + line / 2;
  // Room under the last panel for the load axis and its caption.
  const double bottom = area.bottom() - 2.4 * line;
  const double gap = line;
  const double height = std::max(0.0, (bottom - top - 2 * gap) / 3);
  std::array<QRectF, 3> panels;
  for (int k = 0; k < 3; ++k) {
    panels[k] = QRectF(left, top + k * (height + gap),
                       std::max(0.0, right - left), height);
  }
  return panels;
}

void LoadCurveView::Paint(QPainter& painter, const QRectF& area,
                          const LoadCurvePlot& plot) {
  if (plot.curve.empty()) return;
  const std::array<QRectF, 3> panels = Panels(painter, area);
  if (!(panels[0].height() > 0) || !(panels[0].width() > 0)) return;
  painter.save();
  std::vector<QPointF> efficiency;
  std::vector<QPointF> rise;
  double high_rise = 0;
  for (const LoadPoint& p : plot.curve) {
    efficiency.emplace_back(p.load * 100, p.efficiency * 100);
    rise.emplace_back(p.load * 100, p.rise_k);
    high_rise = std::max(high_rise, p.rise_k);
  }
  PaintPanel(painter, panels[0], {0, 100}, tr("效率（%）"),
             {{kEfficiencyColour, efficiency}}, false);
  PaintPanel(painter, panels[1], NiceAxis(0, high_rise * 1.1),
             tr("温升（开，自然冷却估算）"), {{kRiseColour, rise}}, false);
  std::vector<std::pair<QColor, std::vector<QPointF>>> volts;
  double low = 100;
  double high = 100;
  for (std::size_t k = 0; k < plot.rated_v.size(); ++k) {
    std::vector<QPointF> points;
    for (const LoadPoint& p : plot.curve) {
      const double percent = p.secondary_v[k] / plot.rated_v[k] * 100;
      low = std::min(low, percent);
      high = std::max(high, percent);
      points.emplace_back(p.load * 100, percent);
    }
    const DrawingColour colour = WindingColour(k + 1);
    volts.push_back({QColor(colour.red, colour.green, colour.blue), points});
  }
  // Head room for the title and the names.
  PaintPanel(painter, panels[2], NiceAxis(low, high + (high - low) * 0.3),
             tr("次级电压（额定电压的 %）"), volts, true);
  // Which line is which secondary, at the right of the voltage panel.
  const QFontMetricsF metrics(painter.font());
  double y = panels[2].top() + metrics.ascent() + 2;
  for (std::size_t k = 0; k < volts.size(); ++k) {
    QString name = Composed(WindingName(k + 1));
    if (k < plot.dc.size() && plot.dc[k]) name = tr("%1（直流）").arg(name);
    painter.setPen(volts[k].first.darker(130));
    painter.drawText(
        QPointF(panels[2].right() - metrics.horizontalAdvance(name) - 4, y),
        name);
    y += metrics.height();
  }
  painter.setPen(Qt::black);
  const QString caption = tr("负载（各次级额定电流的 %）");
  painter.drawText(
      QPointF(panels[2].center().x() - metrics.horizontalAdvance(caption) / 2,
              panels[2].bottom() + 2 * metrics.height() + 2),
      caption);
  painter.restore();
}

}  // namespace spulix
