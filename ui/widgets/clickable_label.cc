// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/clickable_label.h"

#include <QAction>
#include <QMouseEvent>

namespace spulix {

ClickableLabel::ClickableLabel(QWidget* parent) : InkLabel(parent) {
  setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::SetDefaultAction(QAction* action) {
  addAction(action);
  setText(action->text());
  // The caption follows the action's, in the current language.
  connect(action, &QAction::changed, this, [this, action] {
    if (text() == action->text()) return;
    setText(action->text());
    adjustSize();
  });
  connect(this, &ClickableLabel::clicked, action, &QAction::trigger);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool was_pressed = pressed_;
  pressed_ = false;
  event->accept();
  if (was_pressed && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace spulix
