// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/run_spulix.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "ui/app/platform_choice.h"
#include "ui/language/language.h"
#include "ui/main_window/main_window.h"
#include "ui/output/design_file_commands.h"
#include "ui/widgets/sharp_pictures.h"

namespace spulix {

int RunSpulix(int argc, char* argv[],
              const std::function<void(QWidget*)>& before_show) {
  ChoosePlatform();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Spulix"));
  // Lets task bars match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(
      QStringLiteral("io.github.spulix.Spulix"));
  const StartOptions options = ParseStartOptions(QCoreApplication::arguments());
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "spulix: %s\n%s\n", qPrintable(options.error),
                 kStartUsage);
    return 2;
  }
  ApplyLanguage(options.language.value_or(SavedLanguage()));
  QApplication::setWindowIcon(SharpIcon(QStringLiteral(":/icons/spulix.png")));

  MainWindow window;
  // `spulix FILE` (a double-click in a file manager) opens a saved design.
  if (!options.file.isEmpty()) window.design_files().OpenAtStart(options.file);
  if (before_show) before_show(&window);
  window.show();
  // Its first activation puts the focus into U1, also where no window
  // manager hands out the activation by itself.
  window.activateWindow();
  return QApplication::exec();
}

}  // namespace spulix
