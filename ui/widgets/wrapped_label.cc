// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/wrapped_label.h"

#include <QPainter>
#include <QTextLayout>

namespace spulix {
namespace {

// Ideographs fill the em box from 0.88 em above the baseline to 0.12 em
// below it.
constexpr double kIdeographAscent = 0.88;

int LinePitch(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
}

}  // namespace

WrappedLabel::WrappedLabel(QWidget* parent) : QLabel(parent) {
  setWordWrap(true);
}

QStringList WrappedLabel::Lines() const {
  QStringList lines;
  QTextLayout layout(text(), font());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid();
       line = layout.createLine()) {
    line.setLineWidth(width());
    lines << text().mid(line.textStart(), line.textLength());
  }
  layout.endLayout();
  return lines;
}

void WrappedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(foregroundRole()));
  const int pitch = LinePitch(font());
  // Puts each baseline where an ideograph's em box sits on the line.
  const int baseline = static_cast<int>(kIdeographAscent * pitch + 0.5);
  int top = 0;
  for (const QString& line : Lines()) {
    painter.drawText(0, top + baseline, line);
    top += pitch;
  }
}

}  // namespace spulix
