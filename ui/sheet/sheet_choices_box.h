// SPDX-License-Identifier: GPL-3.0-or-later
// The 绕制单 window's choices: enamel and steel grades, the stack as built,
// 次级1's centre tap and how the secondaries' turns are counted. They belong
// to the design; this box shows them and hands back what the user changed.
#ifndef SPULIX_UI_SHEET_SHEET_CHOICES_BOX_H_
#define SPULIX_UI_SHEET_SHEET_CHOICES_BOX_H_

#include <QGroupBox>

#include "design/design.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace spulix {

class SheetChoicesBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit SheetChoicesBox(QWidget* parent);

  // The choices into the controls; a field being typed in keeps its text.
  void Show(const SheetChoices& choices);
  // The controls' values into `choices`, which keeps everything else.
  void TakeInto(SheetChoices& choices) const;
  void Retranslate();

  QLineEdit* stack() const { return stack_; }
  QCheckBox* center_tap() const { return center_tap_; }
  QCheckBox* full_load_turns() const { return full_load_turns_; }

 signals:
  // The user changed a choice.
  void Edited();

 private:
  void ShowTapTip();

  QComboBox* enamel_ = nullptr;
  QComboBox* steel_ = nullptr;
  QLineEdit* stack_ = nullptr;
  QCheckBox* center_tap_ = nullptr;
  QCheckBox* full_load_turns_ = nullptr;
};

}  // namespace spulix

#endif  // SPULIX_UI_SHEET_SHEET_CHOICES_BOX_H_
