// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language/translated_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>
#include <QWidget>
#include <string>

namespace spulix {
namespace {

// Dynamic properties holding the context and source of each role.
constexpr const char* kContextProperty[] = {"spulix_caption_context",
                                            "spulix_tool_tip_context"};
constexpr const char* kSourceProperty[] = {"spulix_caption_source",
                                           "spulix_tool_tip_source"};

void Show(QObject* object, TextRole role, const QString& text) {
  if (role == TextRole::kToolTip) {
    if (auto* action = qobject_cast<QAction*>(object)) {
      action->setToolTip(text);
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
      widget->setToolTip(text);
    }
    return;
  }
  if (auto* action = qobject_cast<QAction*>(object)) {
    action->setText(text);
  } else if (auto* menu = qobject_cast<QMenu*>(object)) {
    menu->setTitle(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(object)) {
    frame->setTitle(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(object)) {
    label->setText(text);
  } else if (auto* widget = qobject_cast<QWidget*>(object)) {
    widget->setWindowTitle(text);
  }
}

void Retranslate(QObject* object) {
  for (TextRole role : {TextRole::kCaption, TextRole::kToolTip}) {
    const int index = static_cast<int>(role);
    const QVariant source = object->property(kSourceProperty[index]);
    if (!source.isValid()) continue;
    const QByteArray context =
        object->property(kContextProperty[index]).toByteArray();
    Show(object, role,
         Translated(context.constData(), source.toByteArray().constData()));
  }
}

}  // namespace

QString Translated(const char* context, const char* source) {
  return QCoreApplication::translate(context, source);
}

Translate CurrentTranslation() {
  return [](std::string_view context, std::string_view source) {
    return QCoreApplication::translate(std::string(context).c_str(),
                                       std::string(source).c_str())
        .toStdString();
  };
}

QString Composed(const UserText& text) {
  return QString::fromStdString(Compose(text, CurrentTranslation()));
}

void SetTranslatedText(QObject* object, const char* context, const char* source,
                       TextRole role) {
  const int index = static_cast<int>(role);
  if (source == nullptr) {
    object->setProperty(kSourceProperty[index], QVariant());
    object->setProperty(kContextProperty[index], QVariant());
    Show(object, role, QString());
    return;
  }
  object->setProperty(kSourceProperty[index], QByteArray(source));
  object->setProperty(kContextProperty[index], QByteArray(context));
  Show(object, role, Translated(context, source));
}

void RetranslateTexts(QObject* root) {
  Retranslate(root);
  for (QObject* child : root->findChildren<QObject*>()) Retranslate(child);
}

}  // namespace spulix
