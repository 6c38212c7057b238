// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: a title and the scope of the program in a read-only field.
#ifndef SPULIX_UI_REFERENCE_HELP_WINDOW_H_
#define SPULIX_UI_REFERENCE_HELP_WINDOW_H_

#include <QWidget>

namespace spulix {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // A top-level window without owner, placed where the platform puts new
  // windows; it deletes itself when closed.
  HelpWindow();

 protected:
  // The texts follow the language.
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
};

}  // namespace spulix

#endif  // SPULIX_UI_REFERENCE_HELP_WINDOW_H_
