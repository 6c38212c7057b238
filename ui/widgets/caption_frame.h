// SPDX-License-Identifier: GPL-3.0-or-later
// A frame as the main window draws it: an etched border whose top line runs
// through the middle of the caption, interrupted by it, with the caption on
// the frame's top edge. Without a caption the top line stays where a caption
// would cross it. The fill is the frame's own background colour where it has
// one (auto-filled), otherwise the window's shows through.
#ifndef SPULIX_UI_WIDGETS_CAPTION_FRAME_H_
#define SPULIX_UI_WIDGETS_CAPTION_FRAME_H_

#include <QGroupBox>

namespace spulix {

class CaptionFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit CaptionFrame(const QString& caption, QWidget* parent = nullptr);

  // Row of the border's top line, from the frame's top.
  int TopLineY() const;
  // Where the caption's ink stands (empty without a caption).
  QRect CaptionRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_CAPTION_FRAME_H_
