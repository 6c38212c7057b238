// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/rectifier_plot.h"

#include <QPainter>
#include <utility>

#include "ui/widgets/half_cycle_plot.h"

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
  painter.fillRect(rect(), palette().base());
  const QRectF area(kMargin, kMargin + kLegendHeight, width() - 2 * kMargin,
                    height() - 2 * kMargin - kLegendHeight);
  PaintHalfCycle(painter, area, samples_, 1.6, palette().mid().color());
  if (samples_.size() >= 2) {
    PaintHalfCycleLegend(painter, QPointF(kMargin, kMargin), kLegendHeight - 2,
                         palette().text().color());
  }
}

}  // namespace spulix
