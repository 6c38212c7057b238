// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/tool_button.h"

#include <QBoxLayout>
#include <QPushButton>

#include "ui/language/translated_text.h"

namespace spulix {

QPushButton* AddToolButton(QBoxLayout* row, const char* context,
                           const char* object_name, const char* text,
                           QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(object_name));
  SetTranslatedText(button, context, text);
  button->setAutoDefault(true);
  if (row != nullptr) row->addWidget(button);
  return button;
}

}  // namespace spulix
