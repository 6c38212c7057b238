// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the menu 选型: 标准铁心…, 标准漆包线… and 绕制单…, each
// open at most once, serving the design of one field store and its sheet
// choices. The windows know the design, never the window that owns this
// object.
#ifndef SPULIX_UI_SELECTION_SELECTION_WINDOWS_H_
#define SPULIX_UI_SELECTION_SELECTION_WINDOWS_H_

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "design/parts/core_catalogue.h"
#include "ui/widgets/window_registry.h"

class QAction;
class QWidget;

namespace spulix {

class CoreWindow;
class DesignSheetChoices;
class QtFieldStore;
class SheetWindow;
class UserCores;
class WireWindow;

class SelectionWindows : public QObject {
  Q_OBJECT

 public:
  // `user_core_file` is where the user's own cores are kept; empty means
  // cores.csv in the user's data folder.
  SelectionWindows(QtFieldStore& store, DesignSheetChoices& choices,
                   QObject* owner, QString user_core_file = {});
  // The windows still open go with their owner.
  ~SelectionWindows() override;

  // Creates the window if it does not exist, shows it, brings it to the
  // front and returns it.
  CoreWindow* OpenCores();
  WireWindow* OpenWires();
  SheetWindow* OpenSheet();
  // Where the user's cores are kept from now on.
  void SetUserCoreFile(const QString& path);
  // That file's path (the default one where none was set).
  QString UserCoreFilePath() const;
  // The one owner of that file, read when first asked for; the core and
  // sheet windows follow it.
  UserCores& user_cores();
  // Its catalogue: the shipped cores and the user's.
  const CoreCatalogue& catalogue();
  // The design's file commands, whose keys the sheet window opened next
  // keeps.
  void SetDesignShortcuts(QList<QAction*> actions) {
    design_shortcuts_ = std::move(actions);
  }
  // The open window, or nullptr.
  CoreWindow* cores() const;
  WireWindow* wires() const;
  SheetWindow* sheet() const;

 private:
  QtFieldStore& store_;
  DesignSheetChoices& choices_;
  QString user_core_file_;
  UserCores* user_cores_ = nullptr;
  QList<QAction*> design_shortcuts_;
  WindowRegistry* windows_;
};

}  // namespace spulix

#endif  // SPULIX_UI_SELECTION_SELECTION_WINDOWS_H_
