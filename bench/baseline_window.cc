// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up baseline: a bare Qt window with one label, quitting after its
// first frame when SPULIX_EXIT_AFTER_FIRST_FRAME is set, like the benchmark's
// build of the program; left open otherwise, for the memory and idle runs.
// Built a second time with SPULIX_BASELINE_CJK, the label shows Chinese in a
// Noto CJK face: the least any window with a Chinese interface pays for its
// fonts.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include "bench/first_frame_probe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Baseline"));
#ifdef SPULIX_BASELINE_CJK
  auto* label = new QLabel(QStringLiteral("变压器计算器"), &window);
  QFont font;
  font.setFamilies({QStringLiteral("Noto Serif CJK SC")});
  font.setPixelSize(12);
  label->setFont(font);
#else
  auto* label = new QLabel(QStringLiteral("Baseline window"), &window);
#endif
  label->move(20, 20);
  window.resize(300, 100);
  if (qEnvironmentVariableIsSet("SPULIX_EXIT_AFTER_FIRST_FRAME")) {
    spulix::ExitAfterFirstFrame(&window);
  }
  window.show();
  return QApplication::exec();
}
