// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps each secondary window (About, the four tables, help) at most once:
// opening creates it on first use and otherwise shows the existing one and
// brings it to the front.
#ifndef SPULIX_UI_REFERENCE_SECONDARY_WINDOWS_H_
#define SPULIX_UI_REFERENCE_SECONDARY_WINDOWS_H_

#include <QObject>
#include <QWidget>

#include "ui/widgets/window_registry.h"

namespace spulix {

enum class SecondaryWindow {
  kAbout,        // Form2
  kEfficiency,   // Dialog
  kCoefficient,  // Dialog1
  kFluxDensity,  // Dialog2
  kStacking,     // Dialog3
  kHelp,         // HELP
};
inline constexpr int kSecondaryWindowCount = 6;

class SecondaryWindows : public QObject {
  Q_OBJECT

 public:
  explicit SecondaryWindows(QObject* parent = nullptr);
  // Deletes the windows that are still open: they belong to the program
  // this registry serves.
  ~SecondaryWindows() override;

  // Creates the window if it does not exist, shows it modeless without an
  // owner, un-minimises, raises and activates it. Returns the window.
  QWidget* Open(SecondaryWindow which);
  // The window if it exists (open or hidden), otherwise nullptr; a window
  // closed by its title bar no longer exists.
  QWidget* Find(SecondaryWindow which) const;

 private:
  WindowRegistry* windows_;
};

}  // namespace spulix

#endif  // SPULIX_UI_REFERENCE_SECONDARY_WINDOWS_H_
