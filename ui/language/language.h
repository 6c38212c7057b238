// SPDX-License-Identifier: GPL-3.0-or-later
// The program's language: Chinese unless the user chooses English, on the
// command line for one run or in 帮助 › 语言 / Language for every run after,
// whatever the system's locale.
#ifndef SPULIX_UI_LANGUAGE_LANGUAGE_H_
#define SPULIX_UI_LANGUAGE_LANGUAGE_H_

#include <QString>
#include <QStringList>
#include <optional>

namespace spulix {

enum class Language { kChinese, kEnglish };

// What `spulix [--lang zh|en] [FILE]` asks for.
struct StartOptions {
  std::optional<Language> language;  // none: the one chosen last time
  QString file;                      // a design to open
  QString error;                     // a usage error, empty when none
};
// `arguments` as QCoreApplication::arguments() gives them, program first.
StartOptions ParseStartOptions(const QStringList& arguments);
inline constexpr const char* kStartUsage =
    "usage: spulix [--lang zh|en] [FILE]";

// The language chosen in the menu last time; Chinese until one is chosen.
Language SavedLanguage();
void SaveLanguage(Language language);

// Shows the program in `language` from now on: its own texts and Qt's
// (Qt's Simplified-Chinese translations, or Qt's own English). Every window
// has had its LanguageChange event when it returns. Returns false where a
// translation could not be loaded; the texts stay as they were loaded.
bool ApplyLanguage(Language language);
Language CurrentLanguage();

}  // namespace spulix

#endif  // SPULIX_UI_LANGUAGE_LANGUAGE_H_
