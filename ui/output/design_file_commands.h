// SPDX-License-Identifier: GPL-3.0-or-later
// The design file commands of the 文件 menu: open, save, save as and the PDF
// report, plus opening a design dropped onto the window or named on the
// command line. The window remembers the file it last opened or saved, and
// whether the design has changed since; the 保存设计 item shows both.
#ifndef SPULIX_UI_OUTPUT_DESIGN_FILE_COMMANDS_H_
#define SPULIX_UI_OUTPUT_DESIGN_FILE_COMMANDS_H_

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "design/parts/core_catalogue.h"
#include "document/design_document.h"
#include "ui/output/design_report.h"

class QAction;
class QMainWindow;
class QMimeData;

namespace spulix {

class DesignSheetChoices;
class QtFieldStore;

class DesignFileCommands : public QObject {
  Q_OBJECT

 public:
  enum class Dialog { kOpen, kSaveDesign, kExportReport, kExportDrawing };
  // Asks the user for a file; an empty text means cancelled. `suggested`
  // is the path to start from.
  using FileChooser =
      std::function<QString(Dialog dialog, const QString& suggested)>;
  // The standard parts the user chose, if any, for the report.
  using PartsSource = std::function<std::optional<StandardParts>()>;
  // The cores the report's winding sheet recommends from (the shipped and
  // the user's); the shipped ones alone where none is given.
  using CoresSource = std::function<std::vector<CoreEntry>()>;
  // What to do with unsaved changes before another design replaces them.
  enum class Unsaved { kSave, kDiscard, kCancel };
  using UnsavedQuestion = std::function<Unsaved()>;

  // The window's four file commands, whichever controls show them.
  struct Actions {
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* save_as = nullptr;
    QAction* export_report = nullptr;
    QAction* export_drawing = nullptr;
  };

  // Runs the four actions for the window.
  DesignFileCommands(QMainWindow* window, QtFieldStore& store,
                     DesignSheetChoices& choices, const Actions& actions);

  // Each shows a message that names the file and the problem when it fails,
  // and returns whether it succeeded. A failed open leaves the window as it
  // was; a failed save leaves any earlier file as it was.
  bool Open(const QString& path);
  bool Save();  // into the current file; asks for a name the first time
  bool SaveAs();
  bool SaveTo(const QString& path);
  bool ExportReport();
  bool ExportReportTo(const QString& path);
  // The coil's cross-section of the design's sheet as SVG, to scale.
  bool ExportDrawing();
  bool ExportDrawingTo(const QString& path);
  // Opens the file named at start, once the window shows, so a message has
  // a window to stand on; the window still starts empty if it fails.
  void OpenAtStart(const QString& path);
  // Opens a design in place of this one, first asking what to do with
  // unsaved changes (保存 / 不保存 / 取消); returns whether it opened.
  bool OpenInstead(const QString& path);
  // Ends the design's tie to its file, as at a fresh start (after 清空).
  void Forget();

  const QString& current_file() const { return current_file_; }
  // Whether the design differs from what was last saved or opened (from the
  // empty design when there is no file).
  bool modified() const;
  // Where the file dialogs start: the current design's folder, else the
  // one last used, else the documents folder, else home.
  QString StartFolder() const;
  QAction* open_action() const { return open_; }
  QAction* save_action() const { return save_; }
  QAction* save_as_action() const { return save_as_; }
  QAction* export_action() const { return export_; }

  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
  void SetPartsSource(PartsSource source) { parts_ = std::move(source); }
  void SetCoresSource(CoresSource source) { cores_ = std::move(source); }
  void SetUnsavedQuestion(UnsavedQuestion question) {
    question_ = std::move(question);
  }

  // After the language changed and the save item got its plain caption
  // back: the file's name and the mark are added to the new caption.
  void Retranslate();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString Choose(Dialog dialog, const QString& suggested);
  QString AskFileDialog(Dialog dialog, const QString& suggested) const;
  void Tell(const QString& text);
  // Whether the unsaved changes may go: saved, discarded, or nothing to lose.
  bool MayReplaceDesign();
  Unsaved AskAboutUnsaved() const;
  // The design as it stands becomes the saved one, tied to `path`.
  void TieTo(const QString& path);
  void UpdateSaveCaption();

  // The design as a file holds it: the field texts and the sheet choices.
  Design Capture() const;

  QMainWindow* window_;
  QtFieldStore& store_;
  DesignSheetChoices& choices_;
  QString current_file_;
  QString last_folder_;
  QString save_caption_;
  Design saved_;
  FileChooser chooser_;
  PartsSource parts_;
  CoresSource cores_;
  UnsavedQuestion question_;
  QAction* open_ = nullptr;
  QAction* save_ = nullptr;
  QAction* save_as_ = nullptr;
  QAction* export_ = nullptr;
  QAction* export_drawing_ = nullptr;
};

// A .spulix file among dropped or dragged data, or an empty text.
QString DroppedDesign(const QMimeData* data);

}  // namespace spulix

#endif  // SPULIX_UI_OUTPUT_DESIGN_FILE_COMMANDS_H_
