// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/file_dialog.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace spulix {

void PrepareFileDialog(QFileDialog& dialog, FileDialogMode mode,
                       const QWidget* parent) {
  const bool open = mode == FileDialogMode::kOpen;
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen
                            : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setViewMode(QFileDialog::Detail);
  const QScreen* screen = parent != nullptr && parent->screen() != nullptr
                              ? parent->screen()
                              : QGuiApplication::primaryScreen();
  QSize size = kFileDialogSize;
  if (screen != nullptr) {
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  }
  dialog.resize(size);
}

QString AskFileName(QWidget* parent, FileDialogMode mode, const QString& title,
                    const QString& suggested, const QString& filter) {
  QFileDialog dialog(parent, title, suggested, filter);
  PrepareFileDialog(dialog, mode, parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.front();
}

}  // namespace spulix
