// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reference/secondary_windows.h"

#include "ui/reference/about_window.h"
#include "ui/reference/help_window.h"
#include "ui/reference/table_window.h"

namespace spulix {
namespace {

QWidget* Create(SecondaryWindow which) {
  switch (which) {
    case SecondaryWindow::kAbout:
      return new AboutWindow();
    case SecondaryWindow::kEfficiency:
      return new TableWindow(TableInfo(0));
    case SecondaryWindow::kCoefficient:
      return new TableWindow(TableInfo(1));
    case SecondaryWindow::kFluxDensity:
      return new TableWindow(TableInfo(2));
    case SecondaryWindow::kStacking:
      return new TableWindow(TableInfo(3));
    case SecondaryWindow::kHelp:
      return new HelpWindow();
  }
  return nullptr;
}

}  // namespace

SecondaryWindows::SecondaryWindows(QObject* parent)
    : QObject(parent),
      windows_(new WindowRegistry(kSecondaryWindowCount, this)) {}

// The windows still open go first, while everything they use is still here.
SecondaryWindows::~SecondaryWindows() { delete windows_; }

QWidget* SecondaryWindows::Open(SecondaryWindow which) {
  return windows_->Open(static_cast<int>(which),
                        [which] { return Create(which); });
}

QWidget* SecondaryWindows::Find(SecondaryWindow which) const {
  return windows_->Find(static_cast<int>(which));
}

}  // namespace spulix
