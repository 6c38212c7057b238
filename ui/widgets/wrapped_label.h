// SPDX-License-Identifier: GPL-3.0-or-later
// A label that keeps its rectangle and wraps its caption inside it, one line
// per font size in pixels: CJK faces have tall line boxes, and a caption such
// as "窗口高度" must fit one character per line into a box sized for the
// characters alone.
#ifndef SPULIX_UI_WIDGETS_WRAPPED_LABEL_H_
#define SPULIX_UI_WIDGETS_WRAPPED_LABEL_H_

#include <QLabel>
#include <QStringList>

namespace spulix {

class WrappedLabel : public QLabel {
 public:
  explicit WrappedLabel(QWidget* parent = nullptr);

  // The caption as it is broken into lines at the label's current width.
  QStringList Lines() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_WRAPPED_LABEL_H_
