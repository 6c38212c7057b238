// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reference/help_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

#include "ui/language/translated_text.h"
#include "ui/reference/about_window.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/ink_label.h"

namespace spulix {

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("HELP"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/help.png")));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(WindowFont());
  resize(721, 373);

  auto* title = new InkLabel(this);
  title->setObjectName(QStringLiteral("Label1"));
  title->setFont(MakeFont(Face::kHei, kPixels14_25Pt, /*bold=*/true));
  title->move(237, 28);

  // Read-only: the text is information, not input.
  auto* text = new QLineEdit(this);
  text->setObjectName(QStringLiteral("Text1"));
  text->setReadOnly(true);
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text->setGeometry(38, 75, 648, 264);
  Retranslate();
}

void HelpWindow::Retranslate() {
  setWindowTitle(QCoreApplication::translate("HelpWindow", "帮助文件"));
  auto* title = findChild<InkLabel*>(QStringLiteral("Label1"));
  title->setText(QCoreApplication::translate("HelpWindow", "关于Spulix"));
  title->adjustSize();
  auto* text = findChild<QLineEdit*>(QStringLiteral("Text1"));
  text->setText(Translated(kAboutContext, kScopeText));
  text->setCursorPosition(0);
}

void HelpWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) Retranslate();
}

}  // namespace spulix
