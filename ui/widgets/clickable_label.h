// SPDX-License-Identifier: GPL-3.0-or-later
// A label that reports a click, for the table links of the main window.
#ifndef SPULIX_UI_WIDGETS_CLICKABLE_LABEL_H_
#define SPULIX_UI_WIDGETS_CLICKABLE_LABEL_H_

#include "ui/widgets/ink_label.h"

namespace spulix {

class ClickableLabel : public InkLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(QWidget* parent = nullptr);

  // Shows the action's caption and triggers the action on each click.
  void SetDefaultAction(QAction* action);

 signals:
  // A left button pressed and released over the label.
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_CLICKABLE_LABEL_H_
