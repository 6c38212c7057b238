// The start-up baseline: a bare Qt window with one label, quitting after its
// first frame like the program does under the start-up benchmark.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "ui/first_frame_probe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Baseline"));
  auto* label = new QLabel(QStringLiteral("Baseline window"), &window);
  label->move(20, 20);
  window.resize(300, 100);
  spulix::ExitAfterFirstFrameIfAsked(&window);
  window.show();
  return QApplication::exec();
}
