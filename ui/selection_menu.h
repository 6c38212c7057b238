// SPDX-License-Identifier: GPL-3.0-or-later
// The menu 选型 of the main window, between 编辑 and 帮助: 标准铁心… and
// 标准漆包线…, each opening its window at most once.
#ifndef SPULIX_UI_SELECTION_MENU_H_
#define SPULIX_UI_SELECTION_MENU_H_

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace spulix {

class CoreWindow;
class MainWindow;
class WireWindow;

class SelectionWindows : public QObject {
  Q_OBJECT

 public:
  SelectionWindows(MainWindow& main, QString user_core_file);
  // The windows still open go with the main window they serve.
  ~SelectionWindows() override;

  // Creates the window if it does not exist, shows it, brings it to the
  // front and returns it.
  CoreWindow* OpenCores();
  WireWindow* OpenWires();
  // The open window, or nullptr.
  CoreWindow* cores() const;
  WireWindow* wires() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& main_;
  QString user_core_file_;
  QPointer<CoreWindow> cores_;
  QPointer<WireWindow> wires_;
};

// Adds the menu to the main window and returns the object that keeps its
// windows (owned by the main window). `user_core_file` is where the user's
// own cores are kept; empty means the user's data folder.
SelectionWindows* AddSelectionMenu(MainWindow& main,
                                   const QString& user_core_file = QString());

}  // namespace spulix

#endif  // SPULIX_UI_SELECTION_MENU_H_
