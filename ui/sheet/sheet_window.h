// SPDX-License-Identifier: GPL-3.0-or-later
// 绕制单: the winding sheet of the main window's design, following it and
// its sheet choices while the user types. The choices and the extra
// secondaries are edited here but belong to the design; 使用推荐铁心 puts
// the recommended core into the main window as the core window's 使用 does.
#ifndef SPULIX_UI_SHEET_SHEET_WINDOW_H_
#define SPULIX_UI_SHEET_SHEET_WINDOW_H_

#include <QList>
#include <QPointer>
#include <QTimer>
#include <cstddef>
#include <functional>
#include <optional>

#include "design/parts/core_catalogue.h"
#include "ui/sheet/sheet_choices_box.h"
#include "ui/widgets/tool_window.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTableView;
class QTabWidget;
class QTableWidget;

namespace spulix {

class DesignSheetChoices;
class QtFieldStore;
class UserCores;
class CoilSectionView;
class CoreRatingBox;
class DcLoadEditor;
class LoadCurveView;
class SheetChoicesBox;
class SheetTableModel;

class SheetWindow : public SelectionWindowBase {
  Q_OBJECT

 public:
  // A top-level window without owner that deletes itself when closed.
  // It recommends from `cores`' catalogue; `shortcuts` are the design's
  // commands (save, open) whose keys work here too.
  SheetWindow(QtFieldStore& store, DesignSheetChoices& choices,
              UserCores& cores, const QList<QAction*>& shortcuts);
  ~SheetWindow() override;

  // Computes the sheet and the recommended core for the design now.
  // Changes of the design are followed after a pause (follow_design.h).
  void Refresh();
  // Puts the recommended core into the main window as 使用 does.
  void UseRecommended();
  // A new extra secondary, its voltage cell open for typing; and removing
  // the current one.
  void AddSecondary();
  void RemoveSecondary();

  SheetTableModel* model() const { return model_; }
  QTableView* windings() const { return windings_; }
  QTabWidget* pages() const { return pages_; }
  QTableWidget* extras() const { return extras_; }
  QLabel* status() const { return status_; }
  QLabel* recommended() const { return recommended_; }
  QWidget* stale_warning() const { return stale_; }
  QLineEdit* stack() const { return choices_box_->stack(); }
  SheetChoicesBox* choices_box() const { return choices_box_; }
  CoreRatingBox* rating() const { return rating_; }
  DcLoadEditor* dc_load() const { return dc_load_; }

 protected:
  void Retranslate() override;
  // Enter uses the recommended core, unless a cell editor takes it.
  void keyPressEvent(QKeyEvent* event) override;
  // Opens wholly on the screen, beside the main window where there is room;
  // remembers its size.
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // The design's choices into the controls, and back.
  void ShowChoices();
  void TakeChoices();
  void ShowSheetParts(bool visible);
  // The width that shows every column of the windings' table.
  int DefaultWidth() const;
  // The texts the window sets itself, in the current language.
  void ShowFixedTexts();
  void ShowExtraNames();

  QPointer<QtFieldStore> store_;
  QPointer<DesignSheetChoices> choices_;
  QPointer<UserCores> cores_;
  CoreCatalogue catalogue_;  // as it was at the last refresh
  std::optional<std::size_t> recommended_core_;
  SheetChoicesBox* choices_box_ = nullptr;
  CoreRatingBox* rating_ = nullptr;
  DcLoadEditor* dc_load_ = nullptr;  // 次级1's load
  QTableWidget* extras_ = nullptr;
  QPushButton* remove_ = nullptr;
  QLabel* status_ = nullptr;
  QWidget* stale_ = nullptr;  // the warning that the results are old
  SheetTableModel* model_ = nullptr;
  QTableView* windings_ = nullptr;
  QTabWidget* pages_ = nullptr;
  CoilSectionView* coil_view_ = nullptr;
  LoadCurveView* curve_view_ = nullptr;
  QLabel* verdict_ = nullptr;
  QLabel* figures_ = nullptr;
  QLabel* wires_ = nullptr;
  QLabel* notes_ = nullptr;
  QScrollArea* details_ = nullptr;  // the figures and notes, scrolling
  QLabel* recommended_ = nullptr;
  QPushButton* use_ = nullptr;
  QTimer refresh_;
  bool placed_ = false;
  // The width the user or the default gave, and the one a language last
  // widened it to (0 when it has its own): switching back gives it back.
  int own_width_ = 0;
  int widened_to_ = 0;
};

}  // namespace spulix

#endif  // SPULIX_UI_SHEET_SHEET_WINDOW_H_
