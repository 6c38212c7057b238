#include "ui/help_window.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

#include "ui/about_window.h"

namespace spulix {

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("HELP"));
  setWindowTitle(QStringLiteral("帮助文件"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/help.png")));
  setAttribute(Qt::WA_DeleteOnClose);
  QFont window_font(QStringLiteral("Noto Serif CJK SC"));
  window_font.setPixelSize(12);
  setFont(window_font);
  resize(721, 373);

  auto* title = new QLabel(QStringLiteral("关于Spulix"), this);
  title->setObjectName(QStringLiteral("Label1"));
  QFont title_font(QStringLiteral("Noto Sans CJK SC"));
  title_font.setPixelSize(19);  // 14.25 pt
  title_font.setBold(true);
  title->setFont(title_font);
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
