// SPDX-License-Identifier: GPL-3.0-or-later
// The load curves of the wound transformer in a widget: efficiency,
// temperature rise and each secondary's voltage (against its rated voltage)
// from no load to 125 %, one panel each over a shared load axis.
#ifndef SPULIX_UI_WIDGETS_LOAD_CURVE_VIEW_H_
#define SPULIX_UI_WIDGETS_LOAD_CURVE_VIEW_H_

#include <QColor>
#include <QRectF>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "design/sheet/load_curve.h"
#include "design/sheet/winding_sheet.h"

class QPainter;

namespace spulix {

// What the plot draws: the curve, and the secondaries' rated voltages.
struct LoadCurvePlot {
  std::vector<LoadPoint> curve;
  // 次级1 first: the rated voltage, a DC winding's Udc.
  std::vector<double> rated_v;
  std::vector<bool> dc;  // the winding feeds a rectifier
};

class LoadCurveView : public QWidget {
  Q_OBJECT

 public:
  explicit LoadCurveView(QWidget* parent = nullptr);

  // Plots this sheet's curves, or nothing for none.
  void SetSheet(const WindingSheet* sheet);
  const LoadCurvePlot& plot() const { return plot_; }

  static LoadCurvePlot PlotOf(const WindingSheet& sheet);
  // Paints `plot` into `area` with the painter's font (the report too).
  static void Paint(QPainter& painter, const QRectF& area,
                    const LoadCurvePlot& plot);
  // Where Paint puts its panels: efficiency, rise, voltage.
  static std::array<QRectF, 3> Panels(QPainter& painter, const QRectF& area);

  static const QColor kEfficiencyColour;
  static const QColor kRiseColour;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LoadCurvePlot plot_;
};

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_LOAD_CURVE_VIEW_H_
