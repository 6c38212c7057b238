// Spulix: a calculator for small E-I core mains transformers.
#include <QApplication>
#include <QIcon>

#include "ui/first_frame_probe.h"
#include "ui/main_window.h"
#if __has_include("ui/main_window_commands.h")
#include "ui/main_window_commands.h"
#define SPULIX_HAS_COMMANDS 1
#endif

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Q_INIT_RESOURCE(spulix);
  QApplication::setApplicationName(QStringLiteral("Spulix"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/spulix.png")));

  spulix::MainWindow window;
#ifdef SPULIX_HAS_COMMANDS
  spulix::ConnectCommands(&window, window.store());
#endif
  // Start-up benchmarks quit after the first frame.
  spulix::ExitAfterFirstFrameIfAsked(&window);
  window.show();
  // Its first activation puts the focus into U1, also where no window
  // manager hands out the activation by itself.
  window.activateWindow();
  return QApplication::exec();
}
