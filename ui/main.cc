// SPDX-License-Identifier: GPL-3.0-or-later
// Spulix: a calculator for small E-I core mains transformers.
#include <QApplication>
#include <QIcon>

#include "ui/design_file_commands.h"
#include "ui/main_window.h"
#include "ui/platform_choice.h"
#include "ui/qt_translations.h"
#ifdef SPULIX_FIRST_FRAME_PROBE
#include "ui/first_frame_probe.h"
#endif
#include "ui/sharp_pictures.h"

int main(int argc, char* argv[]) {
  spulix::ChoosePlatform();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Spulix"));
  // Lets task bars match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(
      QStringLiteral("io.github.spulix.Spulix"));
  spulix::InstallQtTranslations();
  QApplication::setWindowIcon(
      spulix::SharpIcon(QStringLiteral(":/icons/spulix.png")));

  spulix::MainWindow window;
  // `spulix FILE` (a double-click in a file manager) opens a saved design.
  if (const QStringList args = QCoreApplication::arguments();
      args.size() == 2) {
    window.design_files().OpenAtStart(args[1]);
  }
#ifdef SPULIX_FIRST_FRAME_PROBE
  // The start-up benchmark's build quits after the first frame.
  spulix::ExitAfterFirstFrame(&window);
#endif
  window.show();
  // Its first activation puts the focus into U1, also where no window
  // manager hands out the activation by itself.
  window.activateWindow();
  return QApplication::exec();
}
