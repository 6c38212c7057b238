// SPDX-License-Identifier: GPL-3.0-or-later
// 标准漆包线: the standard enamelled wire sizes, with the next standard size
// for the main window's d1 and d2 marked while the user works. 用于 d1 and
// 用于 d2 put the chosen size into the field and recompute the build-up, as
// overwriting the field and double-clicking it does.
#ifndef SPULIX_UI_SELECTION_WIRE_WINDOW_H_
#define SPULIX_UI_SELECTION_WIRE_WINDOW_H_

#include <QPointer>
#include <QTimer>
#include <cstddef>
#include <optional>

#include "design/field_store.h"
#include "ui/widgets/tool_window.h"

class QLabel;
class QPushButton;
class QTableView;

namespace spulix {

class QtFieldStore;
class WireTableModel;

class WireWindow : public SelectionWindowBase {
  Q_OBJECT

 public:
  // A top-level window without owner that deletes itself when closed.
  explicit WireWindow(QtFieldStore& store);

  // Writes a nominal diameter into d1 (Text16) or d2 (Text17), then runs
  // the double-click's recalculation: the row the user picked since the
  // marks last moved, else the field's own marked row.
  void UseFor(Field field);
  // Marks the rows for the main window's d1 and d2 now.
  void Refresh();

  WireTableModel* model() const { return model_; }
  QTableView* table() const { return table_; }
  QLabel* summary() const { return summary_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void Retranslate() override;

 private:
  // Selects the row for d1 and scrolls the marked rows into view, the
  // selected one first where both do not fit.
  void PlaceMarks();
  std::optional<std::size_t> RowFor(Field field) const;

  QPointer<QtFieldStore> store_;
  WireTableModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* summary_ = nullptr;
  QPushButton* for_d1_ = nullptr;
  QPushButton* for_d2_ = nullptr;
  QTimer refresh_;
  bool placed_ = false;   // the view shows the marks as they are now
  bool placing_ = false;  // the window itself moves the selection
  bool picked_ = false;   // the user chose a row since the marks moved
};

}  // namespace spulix

#endif  // SPULIX_UI_SELECTION_WIRE_WINDOW_H_
