// SPDX-License-Identifier: GPL-3.0-or-later
// The main window Form1: the 29 design fields with their captions and units,
// the toolbar, menus, insulation frames, core diagram, table-link panel,
// clock and status line. Built from the tables of window_layout.h.
#ifndef SPULIX_UI_MAIN_WINDOW_MAIN_WINDOW_H_
#define SPULIX_UI_MAIN_WINDOW_MAIN_WINDOW_H_

#include <QMainWindow>
#include <array>
#include <memory>

#include "design/field_store.h"
#include "ui/main_window/main_window_commands.h"
#include "ui/main_window/window_layout.h"
#include "ui/store/qt_field_store.h"

class QDateTime;
class QLabel;
class QLineEdit;
class QWindow;

namespace spulix {

class DesignFileCommands;
class DesignSheetChoices;
class SelectionWindows;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The store the engine and the commands work on.
  QtFieldStore& store() { return *store_; }
  QLineEdit* field(Field field) const;
  // The client area below the menu bar.
  QWidget* client() const { return client_; }
  // The window's commands, each shared by its menu item, button or link.
  const MainWindowCommands& commands() const { return commands_; }
  // The windows of the menu 选型.
  SelectionWindows& selection_windows() const { return *selection_; }
  // Open, save and report of the 文件 menu, and files dropped or named at
  // start.
  DesignFileCommands& design_files() const { return *design_files_; }
  // The winding sheet's choices, which belong to the design.
  DesignSheetChoices& sheet_choices() const { return *sheet_choices_; }

  // One tick of Timer1: writes the clock for `now`.
  void Timer1_Timer(const QDateTime& now);
  // Every text again in the current language (on LanguageChange).
  void Retranslate();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What kind of window held the focus before this one.
  enum class WindowKind { kNone, kTransient, kProgramWindow };

  void BuildMenus();
  void BuildControls();
  void BuildFields();
  void ArrangeStacking();
  void ArrangeTabOrder();
  void Form_Load();
  void Form_Activate();
  void OnFocusWindowChanged(QWindow* now);
  WindowKind KindOf(QWindow* window) const;
  QWidget* ContainerWidget(Container container) const;
  QWidget* Child(const char* name) const;

  MainWindowCommands commands_;
  SelectionWindows* selection_ = nullptr;
  DesignFileCommands* design_files_ = nullptr;
  DesignSheetChoices* sheet_choices_ = nullptr;
  QWidget* client_ = nullptr;
  std::array<QWidget*, 6> containers_{};
  std::array<QLineEdit*, kFieldCount> fields_{};
  QLabel* clock_ = nullptr;
  QLabel* status_ = nullptr;
  std::unique_ptr<QtFieldStore> store_;
  WindowKind focus_kind_ = WindowKind::kNone;
  bool activated_ = false;
};

}  // namespace spulix

#endif  // SPULIX_UI_MAIN_WINDOW_MAIN_WINDOW_H_
