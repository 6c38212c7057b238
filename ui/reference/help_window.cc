// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reference/help_window.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

#include "ui/reference/about_window.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/ink_label.h"

namespace spulix {

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("HELP"));
  setWindowTitle(QStringLiteral("帮助文件"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/help.png")));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(WindowFont());
  resize(721, 373);

  auto* title = new InkLabel(QStringLiteral("关于Spulix"), this);
  title->setObjectName(QStringLiteral("Label1"));
  title->setFont(MakeFont(Face::kHei, kPixels14_25Pt, /*bold=*/true));
  title->move(237, 28);
  title->adjustSize();

  // Read-only: the text is information, not input.
  auto* text = new QLineEdit(QString::fromUtf8(kScopeText), this);
  text->setObjectName(QStringLiteral("Text1"));
  text->setReadOnly(true);
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text->setGeometry(38, 75, 648, 264);
  text->setCursorPosition(0);
}

}  // namespace spulix
