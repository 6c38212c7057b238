// SPDX-License-Identifier: GPL-3.0-or-later
// Spulix: a calculator for small E-I core mains transformers.
#include <QApplication>
#include <QIcon>

#include "ui/design_file_commands.h"
#include "ui/main_window.h"
#include "ui/main_window_commands.h"
#include "ui/platform_choice.h"
#ifdef SPULIX_FIRST_FRAME_PROBE
#include "ui/first_frame_probe.h"
#endif
#include "ui/selection_menu.h"

int main(int argc, char* argv[]) {
  spulix::ChoosePlatform();
  QApplication app(argc, argv);
  Q_INIT_RESOURCE(spulix);
  QApplication::setApplicationName(QStringLiteral("Spulix"));
  // Lets task bars match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(
      QStringLiteral("io.github.spulix.Spulix"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/spulix.png")));

  spulix::MainWindow window;
  spulix::ConnectCommands(&window, window.store());
  spulix::AddSelectionMenu(window);
  auto* design_files = new spulix::DesignFileCommands(&window, window.store());
  // `spulix FILE` (a double-click in a file manager) opens a saved design.
  if (const QStringList args = QCoreApplication::arguments();
      args.size() == 2) {
    design_files->OpenAtStart(args[1]);
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
