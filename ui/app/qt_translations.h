// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (dialog buttons, the file dialog, system error texts) in
// Simplified Chinese, so the standard dialogs speak the program's language.
#ifndef SPULIX_UI_APP_QT_TRANSLATIONS_H_
#define SPULIX_UI_APP_QT_TRANSLATIONS_H_

namespace spulix {

// Loads Qt's Simplified-Chinese translations from Qt's translations folder
// into the running application, once. Returns whether they were found
// (without them Qt's texts stay English, and everything still works).
bool InstallQtTranslations();

}  // namespace spulix

#endif  // SPULIX_UI_APP_QT_TRANSLATIONS_H_
