// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/half_cycle_plot.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <functional>
#include <utility>

namespace spulix {
namespace {

constexpr const char* kContext = "spulix::RectifierPlot";

const QColor kEmf(70, 110, 200);
const QColor kCapacitor(200, 60, 50);
const QColor kPulses(40, 150, 70);

}  // namespace

void PaintHalfCycle(QPainter& painter, const QRectF& area,
                    const std::vector<RectifierSample>& samples,
                    double line_width, const QColor& frame) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(frame, line_width / 2));
  painter.drawRect(area);
  double top_v = 0;
  double top_a = 0;
  for (const RectifierSample& s : samples) {
    top_v = std::max({top_v, s.source_v, s.capacitor_v});
    top_a = std::max(top_a, s.diode_a);
  }
  if (samples.size() < 2 || !(top_v > 0)) {
    painter.restore();
    return;
  }
  const auto trace = [&](std::function<double(const RectifierSample&)> value,
                         double top, const QColor& colour) {
    QPainterPath path;
    for (std::size_t i = 0; i < samples.size(); ++i) {
      const QPointF point(
          area.left() + area.width() * samples[i].angle_deg / 180,
          area.bottom() -
              area.height() * std::max(0.0, value(samples[i])) / top);
      if (i == 0) {
        path.moveTo(point);
      } else {
        path.lineTo(point);
      }
    }
    painter.setPen(QPen(colour, line_width));
    painter.drawPath(path);
  };
  // The voltages share one scale from 0, with a little room at the top.
  trace([](const RectifierSample& s) { return s.source_v; }, top_v * 1.05,
        kEmf);
  trace([](const RectifierSample& s) { return s.capacitor_v; }, top_v * 1.05,
        kCapacitor);
  if (top_a > 0) {
    trace([](const RectifierSample& s) { return s.diode_a; }, top_a * 1.05,
          kPulses);
  }
  painter.restore();
}

void PaintHalfCycleLegend(QPainter& painter, const QPointF& top_left,
                          double height, const QColor& text) {
  const std::pair<QColor, const char*> legend[] = {
      {kEmf, QT_TRANSLATE_NOOP("spulix::RectifierPlot", "整流后的绕组电动势")},
      {kCapacitor, QT_TRANSLATE_NOOP("spulix::RectifierPlot", "电容电压")},
      {kPulses, QT_TRANSLATE_NOOP("spulix::RectifierPlot", "充电电流")}};
  painter.save();
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double swatch = height;
  double left = top_left.x();
  const double middle = top_left.y() + height / 2;
  for (const auto& [colour, source] : legend) {
    const QString caption = QCoreApplication::translate(kContext, source);
    painter.setPen(QPen(colour, height / 6));
    painter.drawLine(QPointF(left, middle), QPointF(left + swatch, middle));
    painter.setPen(text);
    painter.drawText(QRectF(left + swatch * 1.3, top_left.y(),
                            metrics.horizontalAdvance(caption) + 1, height),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
    left += swatch * 2.5 + metrics.horizontalAdvance(caption);
  }
  painter.restore();
}

}  // namespace spulix
