// SPDX-License-Identifier: GPL-3.0-or-later
// One steady half-cycle of a rectifier as a picture: the winding's EMF
// rectified (less the diode drops, clamped at 0), the capacitor's voltage
// and the charging pulses, which is how people check a rectifier.
#ifndef SPULIX_UI_SHEET_RECTIFIER_PLOT_H_
#define SPULIX_UI_SHEET_RECTIFIER_PLOT_H_

#include <QWidget>
#include <vector>

#include "design/rectifier/rectifier_simulation.h"

namespace spulix {

class RectifierPlot : public QWidget {
  Q_OBJECT

 public:
  explicit RectifierPlot(QWidget* parent = nullptr);

  // The half-cycle to draw; empty draws nothing but the frame.
  void SetHalfCycle(std::vector<RectifierSample> samples);
  const std::vector<RectifierSample>& half_cycle() const { return samples_; }

  QSize sizeHint() const override { return {320, 150}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<RectifierSample> samples_;
};

}  // namespace spulix

#endif  // SPULIX_UI_SHEET_RECTIFIER_PLOT_H_
