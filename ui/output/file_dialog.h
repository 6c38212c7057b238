// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialogs of the design's commands. Qt's own dialog opens only as
// wide as its smallest layout, too narrow to show its columns: this one
// opens in the detail view, wide enough for name, size, type and date.
#ifndef SPULIX_UI_OUTPUT_FILE_DIALOG_H_
#define SPULIX_UI_OUTPUT_FILE_DIALOG_H_

#include <QSize>
#include <QString>

class QFileDialog;
class QWidget;

namespace spulix {

enum class FileDialogMode { kOpen, kSave };

// The size the dialog opens at: this, or less where the screen is smaller.
inline constexpr QSize kFileDialogSize{800, 500};

// Sets up a dialog as the commands show it, on `parent`'s screen.
void PrepareFileDialog(QFileDialog& dialog, FileDialogMode mode,
                       const QWidget* parent);

// The path chosen, or empty where the user cancelled.
QString AskFileName(QWidget* parent, FileDialogMode mode, const QString& title,
                    const QString& suggested, const QString& filter);

}  // namespace spulix

#endif  // SPULIX_UI_OUTPUT_FILE_DIALOG_H_
