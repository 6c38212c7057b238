// SPDX-License-Identifier: GPL-3.0-or-later
// Asks for one core of the user's own: name, a, c and h. 确定 hands the
// texts to a check that may refuse them; the reason then shows in the
// dialog, which stays open.
#ifndef SPULIX_UI_SELECTION_CORE_EDIT_DIALOG_H_
#define SPULIX_UI_SELECTION_CORE_EDIT_DIALOG_H_

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "design/parts/core_catalogue.h"

class QLabel;
class QLineEdit;

namespace spulix {

class CoreEditDialog : public QDialog {
  Q_OBJECT

 public:
  // Returns why the input is refused, or nothing once it has been taken.
  using Apply = std::function<std::optional<std::string>(const CoreInput&)>;

  CoreEditDialog(const QString& title, const CoreInput& initial, Apply apply,
                 QWidget* parent);

  QLineEdit* field(int index) const { return fields_[index]; }  // name a c h
  QString error() const;

 public slots:
  void accept() override;

 private:
  QLineEdit* fields_[4] = {};
  QLabel* error_ = nullptr;
  Apply apply_;
};

}  // namespace spulix

#endif  // SPULIX_UI_SELECTION_CORE_EDIT_DIALOG_H_
