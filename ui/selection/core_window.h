// SPDX-License-Identifier: GPL-3.0-or-later
// 标准铁心: every core of the catalogue judged for the main window's design
// as it stands, following it while the user types: by the traditional rule
// and by the winding sheet with the design's sheet choices, the smallest
// core the sheet can wind marked and selected. 使用 puts a core into
// the main window; the user's own cores are added, changed and removed here
// and kept in a file of their own (UserCores), which other running Spulix
// windows may change too: each change is made on the file as it is, and
// the window follows the file when it changes on disk.
#ifndef SPULIX_UI_SELECTION_CORE_WINDOW_H_
#define SPULIX_UI_SELECTION_CORE_WINDOW_H_

#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

#include "design/parts/core_catalogue.h"
#include "design/parts/core_change.h"
#include "ui/store/user_cores.h"
#include "ui/widgets/tool_window.h"

class QLabel;
class QPushButton;
class QTableView;

namespace spulix {

class CoreTableModel;
class DesignSheetChoices;
class QtFieldStore;

class CoreWindow : public SelectionWindowBase {
  Q_OBJECT

 public:
  // A top-level window without owner that deletes itself when closed.
  // The catalogue is `cores`', which must outlive the window.
  CoreWindow(QtFieldStore& store, DesignSheetChoices& choices,
             UserCores& cores);

  // Messages and the question before removing a core; by default a message
  // box (tests answer them themselves).
  using MessageSink = std::function<void(const QString&)>;
  using Confirmation = std::function<bool(const QString&)>;
  void SetMessageSink(MessageSink sink) { sink_ = std::move(sink); }
  void SetConfirmation(Confirmation confirm) { confirm_ = std::move(confirm); }

  // The buttons' commands, on the current row.
  void UseSelected();
  void AddCore();       // opens the editor; it adds when accepted
  void EditSelected();  // the same for the current user core
  void RemoveSelected();
  // Judges the cores for the main window's design now. Changes of the
  // design are followed after a pause (follow_design.h).
  void Refresh();
  const CoreCatalogue& catalogue() const { return cores_->catalogue(); }
  CoreTableModel* model() const { return model_; }
  QTableView* table() const { return table_; }
  QLabel* summary() const { return summary_; }
  QLabel* notice() const { return notice_; }
  const UserCoreFile& file() const { return cores_->file(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  std::optional<std::size_t> CurrentRow() const;
  void SelectRow(std::size_t row);
  void UpdateButtons();
  void ShowFileState(const UserCoreFile::LoadResult& load);
  void Retranslate() override;
  // Makes a change on the file as it is now and saves it; returns why the
  // change is refused. A change that cannot be saved is reported and not
  // made. The table then shows the file, `keep_name` selected.
  std::optional<std::string> Change(const CoreChange& change,
                                    const std::string& keep_name);
  // Shows the catalogue as it now is, the core of this name selected, else
  // the row it had.
  void ShowCatalogue(const std::string& keep_name);
  std::string CurrentName() const;
  void Message(const QString& text);

  QPointer<QtFieldStore> store_;
  QPointer<DesignSheetChoices> choices_;
  UserCores* cores_;
  bool file_readable_ = true;
  UserCoreFile::LoadResult last_load_;  // shown again in another language
  CoreTableModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* notice_ = nullptr;
  QPushButton* use_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* edit_ = nullptr;
  QPushButton* remove_ = nullptr;
  QTimer refresh_;
  MessageSink sink_;
  Confirmation confirm_;
};

}  // namespace spulix

#endif  // SPULIX_UI_SELECTION_CORE_WINDOW_H_
