// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/calculator_launcher.h"

#include <QProcess>
#include <QStandardPaths>

namespace spulix {

QStringList CalculatorCandidates() {
#ifdef Q_OS_WIN
  return {QStringLiteral("calc.exe")};
#else
  return {QStringLiteral("gnome-calculator"),
          QStringLiteral("kcalc"),
          QStringLiteral("qalculate-qt"),
          QStringLiteral("qalculate-gtk"),
          QStringLiteral("galculator"),
          QStringLiteral("mate-calc"),
          QStringLiteral("xcalc")};
#endif
}

QString FindCalculator() {
  for (const QString& name : CalculatorCandidates()) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return path;
  }
  return QString();
}

bool StartCalculator() {
  const QString program = FindCalculator();
  if (program.isEmpty()) return false;
  return QProcess::startDetached(program, {});
}

}  // namespace spulix
