// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the platform's desktop calculator without waiting for it.
#ifndef SPULIX_UI_MAIN_WINDOW_CALCULATOR_LAUNCHER_H_
#define SPULIX_UI_MAIN_WINDOW_CALCULATOR_LAUNCHER_H_

#include <QString>
#include <QStringList>

namespace spulix {

// The calculator programs looked for, in order of preference.
QStringList CalculatorCandidates();

// Full path of the first candidate found on PATH, or an empty string.
QString FindCalculator();

// Starts the calculator detached, without a shell. Returns false when none
// is installed or it could not be started; callers stay silent either way.
bool StartCalculator();

}  // namespace spulix

#endif  // SPULIX_UI_MAIN_WINDOW_CALCULATOR_LAUNCHER_H_
