// SPDX-License-Identifier: GPL-3.0-or-later
// One steady half-cycle of a rectifier drawn with any painter (a window's
// widget, the report's page): the winding's EMF rectified less the diode
// drops and clamped at 0, the capacitor's voltage on the same scale, and
// the charging pulses on their own.
#ifndef SPULIX_UI_WIDGETS_HALF_CYCLE_PLOT_H_
#define SPULIX_UI_WIDGETS_HALF_CYCLE_PLOT_H_

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <vector>

#include "design/rectifier/rectifier_simulation.h"

namespace spulix {

// The traces inside `area` (painter units), lines `line_width` wide, with
// a frame in `frame`; nothing but the frame for fewer than two samples.
void PaintHalfCycle(QPainter& painter, const QRectF& area,
                    const std::vector<RectifierSample>& samples,
                    double line_width, const QColor& frame);

// The traces' legend on one line from `top_left`, `height` high, in the
// painter's font, its captions in the current language.
void PaintHalfCycleLegend(QPainter& painter, const QPointF& top_left,
                          double height, const QColor& text);

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_HALF_CYCLE_PLOT_H_
