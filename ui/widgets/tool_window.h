// SPDX-License-Identifier: GPL-3.0-or-later
// What the core and wire windows share: a top-level window in the program's
// look that Escape closes, a read-only table of whole rows, column headers
// and the colour of a marked row.
#ifndef SPULIX_UI_WIDGETS_TOOL_WINDOW_H_
#define SPULIX_UI_WIDGETS_TOOL_WINDOW_H_

#include <QBrush>
#include <QVariant>
#include <QWidget>
#include <span>

class QAbstractItemModel;
class QTableView;

namespace spulix {

class SelectionWindowBase : public QWidget {
  Q_OBJECT

 public:
  // Without owner, with the program's icon and font; deletes itself when
  // closed. `title` is the Chinese source of its title.
  SelectionWindowBase(const char* object_name, const char* title);

 protected:
  // Escape closes, as it does a dialog.
  void keyPressEvent(QKeyEvent* event) override;
  // A change of language sets the title and every text again.
  void changeEvent(QEvent* event) override;
  // The window's own texts in the current language; called on each change
  // of language.
  virtual void Retranslate() {}
};

// A table of whole rows, one selected at a time, not editable, without row
// numbers; Tab leaves it.
QTableView* MakeSelectionTable(QAbstractItemModel* model,
                               const char* object_name, QWidget* parent);

// The caption of a column, for headerData, in the current language; the
// headers are Chinese sources of the context "SelectionTables".
QVariant ColumnHeader(std::span<const char* const> headers, int section,
                      Qt::Orientation orientation, int role);

// The background of the rows a window points the user to.
QBrush MarkedRowBrush();

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_TOOL_WINDOW_H_
