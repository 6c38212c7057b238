// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/caption_frame.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/widgets/ink_label.h"

namespace spulix {
namespace {

constexpr int kCaptionLeft = 8;  // from the frame's left edge
constexpr int kCaptionGap = 2;   // line left open on each side of the caption

}  // namespace

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {}

int CaptionFrame::TopLineY() const {
  return InkBandOf(font(), title()).height / 2;
}

QRect CaptionFrame::CaptionRect() const {
  if (title().isEmpty()) return QRect();
  const QFontMetrics metrics(font());
  return QRect(kCaptionLeft, 0, metrics.horizontalAdvance(title()),
               InkBandOf(font(), title()).height);
}

void CaptionFrame::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const int top = TopLineY();
  const int right = width() - 1;
  const int bottom = height() - 1;
  const QRect caption = CaptionRect();
  // Etched: a shadow line with a highlight line one pixel right and below.
  const struct {
    QColor colour;
    int offset;
  } lines[] = {{palette().color(QPalette::Dark), 0},
               {palette().color(QPalette::Light), 1}};
  for (const auto& line : lines) {
    painter.setPen(line.colour);
    const int o = line.offset;
    if (caption.isEmpty()) {
      painter.drawLine(o, top + o, right - 1 + o, top + o);
    } else {
      painter.drawLine(o, top + o, caption.left() - kCaptionGap - 1, top + o);
      painter.drawLine(caption.right() + kCaptionGap + 1, top + o,
                       right - 1 + o, top + o);
    }
    painter.drawLine(o, top + o, o, bottom - 1 + o);
    painter.drawLine(o, bottom - 1 + o, right - 1 + o, bottom - 1 + o);
    painter.drawLine(right - 1 + o, top + o, right - 1 + o, bottom - 1 + o);
  }
  if (!caption.isEmpty()) {
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption.left(), -InkBandOf(font(), title()).top, title());
  }
}

}  // namespace spulix
