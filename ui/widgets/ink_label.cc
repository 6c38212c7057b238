// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ink_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace spulix {
namespace {

// A Chinese character that fills its em box.
const QString& Ideograph() {
  static const QString ideograph = QStringLiteral("中");
  return ideograph;
}

}  // namespace

InkBand InkBandOf(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  QRect ink = metrics.tightBoundingRect(Ideograph());
  if (!text.isEmpty()) ink |= metrics.tightBoundingRect(text);
  int bottom = ink.bottom();
  if (font.underline()) {
    bottom = std::max(bottom, metrics.underlinePos() + metrics.lineWidth());
  }
  return {ink.top(), bottom - ink.top() + 1};
}

InkLabel::InkLabel(QWidget* parent) : QLabel(parent) {}

InkLabel::InkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {}

QSize InkLabel::sizeHint() const {
  const QFontMetrics metrics(font());
  int width = metrics.horizontalAdvance(text());
  if (!text().isEmpty()) {
    width = std::max(width, metrics.tightBoundingRect(text()).right() + 1);
  }
  return QSize(width, InkBandOf(font(), text()).height);
}

QSize InkLabel::minimumSizeHint() const { return sizeHint(); }

void InkLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(QPoint(0, -InkBandOf(font(), text()).top), text());
}

}  // namespace spulix
