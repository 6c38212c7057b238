// SPDX-License-Identifier: GPL-3.0-or-later
// The program from start to end: the platform, the application, Qt's
// translations, the main window and the design file named on the command
// line. Its main() is one line, so other builds of the program (the
// start-up benchmark's) add their piece without a copy of the rest.
#ifndef SPULIX_UI_APP_RUN_SPULIX_H_
#define SPULIX_UI_APP_RUN_SPULIX_H_

#include <functional>

class QWidget;

namespace spulix {

// Runs the program; `before_show` sees the main window just before it is
// shown. Returns the exit status.
int RunSpulix(int argc, char* argv[],
              const std::function<void(QWidget*)>& before_show = {});

}  // namespace spulix

#endif  // SPULIX_UI_APP_RUN_SPULIX_H_
