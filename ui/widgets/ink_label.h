// SPDX-License-Identifier: GPL-3.0-or-later
// Auto-sized labels whose box hugs the ink of their caption. A font's line
// box is several pixels taller than its characters, so a label sized to the
// line box would show its text below the place it was put at; this one is
// exactly as high as the ink, with the ink's top on the label's top.
#ifndef SPULIX_UI_WIDGETS_INK_LABEL_H_
#define SPULIX_UI_WIDGETS_INK_LABEL_H_

#include <QLabel>

class QFont;

namespace spulix {

// Rows that the ink of a one-line text occupies, measured from the baseline
// (top is negative). Never less than a Chinese character of the font, so
// that captions of one font side by side share their baseline, and an empty
// caption still has a height; an underline is part of the ink.
struct InkBand {
  int top;
  int height;
};
InkBand InkBandOf(const QFont& font, const QString& text);

class InkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit InkLabel(QWidget* parent = nullptr);
  explicit InkLabel(const QString& text, QWidget* parent = nullptr);

  // The caption's advance (or its ink, where that reaches further) by its
  // ink band.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_INK_LABEL_H_
