// SPDX-License-Identifier: GPL-3.0-or-later
// Texts shown in the language the user chose. Each is set with its Chinese
// source and the context the translation file keeps it under, so that
// RetranslateTexts can set every one of them again when the language
// changes: no restart, and switching back gives the very texts of the start.
#ifndef SPULIX_UI_LANGUAGE_TRANSLATED_TEXT_H_
#define SPULIX_UI_LANGUAGE_TRANSLATED_TEXT_H_

#include <QString>

#include "design/user_text.h"

class QObject;

namespace spulix {

// Which text of the object: its caption (label, button, action, menu or
// frame title, window title) or its tool tip.
enum class TextRole { kCaption, kToolTip };

// The source in the current language (QCoreApplication::translate).
QString Translated(const char* context, const char* source);

// The engine's sentence in the current language, values put in.
QString Composed(const UserText& text);
// What Compose needs to translate the engine's texts as the window does.
Translate CurrentTranslation();

// Shows the source in the current language and remembers it. A null
// source shows nothing and forgets any earlier one.
void SetTranslatedText(QObject* object, const char* context, const char* source,
                       TextRole role = TextRole::kCaption);

// Sets every remembered text of `root` and its descendants again, in the
// current language.
void RetranslateTexts(QObject* root);

}  // namespace spulix

#endif  // SPULIX_UI_LANGUAGE_TRANSLATED_TEXT_H_
