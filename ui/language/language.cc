// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

namespace spulix {
namespace {

constexpr const char* kSettingsKey = "language";

std::optional<Language> LanguageByCode(const QString& code) {
  if (code == QLatin1String("zh")) return Language::kChinese;
  if (code == QLatin1String("en")) return Language::kEnglish;
  return std::nullopt;
}

QString CodeOf(Language language) {
  return language == Language::kEnglish ? QStringLiteral("en")
                                        : QStringLiteral("zh");
}

QSettings Settings() {
  return QSettings(QStringLiteral("Spulix"), QStringLiteral("Spulix"));
}

// The translators installed now; owned by the application.
QPointer<QTranslator>& ProgramTranslator() {
  static QPointer<QTranslator> translator;
  return translator;
}
QPointer<QTranslator>& QtTranslator() {
  static QPointer<QTranslator> translator;
  return translator;
}
Language& Current() {
  static Language language = Language::kChinese;
  return language;
}

void Remove(QPointer<QTranslator>& translator) {
  if (translator.isNull()) return;
  QCoreApplication::removeTranslator(translator);
  delete translator;
}

// Loads and installs a translator; false where the file is missing.
template <typename Load>
bool Install(QPointer<QTranslator>& slot, Load load) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!load(*translator)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  slot = translator;
  return true;
}

}  // namespace

StartOptions ParseStartOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption lang(QStringLiteral("lang"),
                                QStringLiteral("zh or en"),
                                QStringLiteral("language"));
  parser.addOption(lang);
  parser.addPositionalArgument(QStringLiteral("file"),
                               QStringLiteral("a design to open"));
  StartOptions options;
  if (!parser.parse(arguments)) {
    options.error = parser.errorText();
    return options;
  }
  if (parser.isSet(lang)) {
    const QStringList values = parser.values(lang);
    options.language = LanguageByCode(values.last());
    if (!options.language) {
      options.error =
          QStringLiteral("--lang takes zh or en, not '%1'").arg(values.last());
      return options;
    }
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    options.error = QStringLiteral("one design file at most");
  } else if (files.size() == 1) {
    options.file = files.front();
  }
  return options;
}

Language SavedLanguage() {
  return LanguageByCode(Settings().value(kSettingsKey).toString())
      .value_or(Language::kChinese);
}

void SaveLanguage(Language language) {
  QSettings settings = Settings();
  settings.setValue(kSettingsKey, CodeOf(language));
  settings.sync();
}

bool ApplyLanguage(Language language) {
  Remove(ProgramTranslator());
  Remove(QtTranslator());
  Current() = language;
  const bool loaded =
      language == Language::kEnglish
          // Qt's own texts are English already.
          ? Install(
                ProgramTranslator(),
                [](QTranslator& translator) {
                  return translator.load(QStringLiteral(":/i18n/spulix_en.qm"));
                })
          // The program's own texts are Chinese; Qt's dialogs follow them.
          : Install(QtTranslator(), [](QTranslator& translator) {
              return translator.load(
                  QLocale(QLocale::Chinese, QLocale::China),
                  QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            });
  // Qt posts the change to each window; they all show the new language by
  // the time this returns, so a caller sees one language, never a mix.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  return loaded;
}

Language CurrentLanguage() { return Current(); }

}  // namespace spulix
