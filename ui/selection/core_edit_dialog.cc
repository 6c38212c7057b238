// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/core_edit_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/fonts.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix {

CoreEditDialog::CoreEditDialog(const QString& title, const CoreInput& initial,
                               Apply apply, QWidget* parent)
    : QDialog(parent), apply_(std::move(apply)) {
  setObjectName(QStringLiteral("CoreEditDialog"));
  setWindowTitle(title);
  setFont(WindowFont());
  auto* form = new QFormLayout;
  const QString captions[] = {tr("型号："), tr("舌宽 a（毫米）："),
                              tr("窗口宽度 c（毫米）："),
                              tr("窗口高度 h（毫米）：")};
  const std::string* texts[] = {&initial.name, &initial.a, &initial.c,
                                &initial.h};
  for (int i = 0; i < 4; ++i) {
    fields_[i] = new QLineEdit(QString::fromStdString(*texts[i]), this);
    fields_[i]->setObjectName(QStringLiteral("CoreField%1").arg(i));
    form->addRow(captions[i], fields_[i]);
  }
  error_ = new QLabel(this);
  error_->setObjectName(QStringLiteral("CoreEditError"));
  error_->setStyleSheet(verdict_palette::TextStyle(verdict_palette::kBad));
  error_->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok =
      buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(error_);
  layout->addWidget(buttons);
  setMinimumWidth(320);
}

QString CoreEditDialog::error() const { return error_->text(); }

void CoreEditDialog::accept() {
  const CoreInput input{
      fields_[0]->text().toStdString(), fields_[1]->text().toStdString(),
      fields_[2]->text().toStdString(), fields_[3]->text().toStdString()};
  if (std::optional<std::string> refused = apply_(input)) {
    error_->setText(QString::fromStdString(*refused));
    return;
  }
  QDialog::accept();
}

}  // namespace spulix
