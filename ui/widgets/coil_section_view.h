// SPDX-License-Identifier: GPL-3.0-or-later
// The coil's cross-section drawn to scale in a widget: the same rectangles,
// colours and texts as the SVG export (coil_section.h, coil_drawing.h),
// scaled to fit whatever size it is given, with the legend to its right.
#ifndef SPULIX_UI_WIDGETS_COIL_SECTION_VIEW_H_
#define SPULIX_UI_WIDGETS_COIL_SECTION_VIEW_H_

#include <QRectF>
#include <QTransform>
#include <QWidget>
#include <optional>

#include "design/sheet/coil_section.h"
#include "design/sheet/winding_sheet.h"

class QPainter;

namespace spulix {

class CoilSectionView : public QWidget {
  Q_OBJECT

 public:
  explicit CoilSectionView(QWidget* parent = nullptr);

  // Draws this sheet's coil, or nothing for none. The view keeps what it
  // draws, not the sheet.
  void SetSheet(const WindingSheet* sheet);
  const std::optional<CoilSection>& section() const { return section_; }

  // Paints `section` into `area` with the painter's font, as the report
  // does on its page.
  static void Paint(QPainter& painter, const QRectF& area,
                    const CoilSection& section);
  // Millimetres of `section` to the points of `area` where Paint draws them.
  static QTransform MillimetresToArea(QPainter& painter, const QRectF& area,
                                      const CoilSection& section);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<CoilSection> section_;
};

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_COIL_SECTION_VIEW_H_
