// Spulix: a calculator for small E-I core mains transformers.
#include <QApplication>
#include <QIcon>

#include "ui/first_frame_probe.h"
#include "ui/main_window.h"
#include "ui/sharp_pictures.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Spulix"));
  // Lets task bars match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(
      QStringLiteral("io.github.spulix.Spulix"));
  QApplication::setWindowIcon(
      spulix::SharpIcon(QStringLiteral(":/icons/spulix.png")));

  spulix::MainWindow window;
  // Start-up benchmarks quit after the first frame.
  spulix::ExitAfterFirstFrameIfAsked(&window);
  window.show();
  // Its first activation puts the focus into U1, also where no window
  // manager hands out the activation by itself.
  window.activateWindow();
  return QApplication::exec();
}
