// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace spulix {

bool InstallQtTranslations() {
  // Owned by the application, so it goes with it.
  static QPointer<QTranslator> installed;
  if (!installed.isNull()) return true;
  auto* translator = new QTranslator(QCoreApplication::instance());
  // The program speaks Chinese whatever the user's locale.
  if (!translator->load(QLocale(QLocale::Chinese, QLocale::China),
                        QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  installed = translator;
  return true;
}

}  // namespace spulix
