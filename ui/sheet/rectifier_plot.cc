// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/rectifier_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>
#include <utility>

namespace spulix {
namespace {

constexpr int kMargin = 6;
constexpr int kLegendHeight = 16;

}  // namespace

RectifierPlot::RectifierPlot(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("RectifierPlot"));
  setMinimumSize(240, 120);
}

void RectifierPlot::SetHalfCycle(std::vector<RectifierSample> samples) {
  samples_ = std::move(samples);
  update();
}

void RectifierPlot::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(kMargin, kMargin + kLegendHeight, width() - 2 * kMargin,
                    height() - 2 * kMargin - kLegendHeight);
  painter.fillRect(rect(), palette().base());
  painter.setPen(palette().mid().color());
  painter.drawRect(area);
  if (samples_.size() < 2) return;

  double top_v = 0;
  double top_a = 0;
  for (const RectifierSample& s : samples_) {
    top_v = std::max({top_v, s.source_v, s.capacitor_v});
    top_a = std::max(top_a, s.diode_a);
  }
  if (!(top_v > 0)) return;
  const auto x = [&](double angle_deg) {
    return area.left() + area.width() * angle_deg / 180;
  };
  const auto trace = [&](std::function<double(const RectifierSample&)> value,
                         double top, const QColor& colour) {
    QPainterPath path;
    for (std::size_t i = 0; i < samples_.size(); ++i) {
      const double y = area.bottom() -
                       area.height() * std::max(0.0, value(samples_[i])) / top;
      const QPointF point(x(samples_[i].angle_deg), y);
      if (i == 0) {
        path.moveTo(point);
      } else {
        path.lineTo(point);
      }
    }
    painter.setPen(QPen(colour, 1.6));
    painter.drawPath(path);
  };
  const QColor emf(70, 110, 200);
  const QColor capacitor(200, 60, 50);
  const QColor pulses(40, 150, 70);
  // Voltages share one scale from 0; the current has its own.
  trace([](const RectifierSample& s) { return s.source_v; }, top_v * 1.05, emf);
  trace([](const RectifierSample& s) { return s.capacitor_v; }, top_v * 1.05,
        capacitor);
  if (top_a > 0) {
    trace([](const RectifierSample& s) { return s.diode_a; }, top_a * 1.05,
          pulses);
  }

  const std::pair<QColor, QString> legend[] = {{emf, tr("整流后的绕组电动势")},
                                               {capacitor, tr("电容电压")},
                                               {pulses, tr("充电电流")}};
  double left = kMargin;
  const QFontMetrics metrics(font());
  for (const auto& [colour, text] : legend) {
    painter.setPen(QPen(colour, 2));
    painter.drawLine(QPointF(left, kMargin + 8),
                     QPointF(left + 14, kMargin + 8));
    painter.setPen(palette().text().color());
    painter.drawText(QPointF(left + 18, kMargin + 12), text);
    left += 30 + metrics.horizontalAdvance(text);
  }
}

}  // namespace spulix
