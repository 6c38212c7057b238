// SPDX-License-Identifier: GPL-3.0-or-later
// The window with its file commands for the tests: messages collected,
// dialogs answered, and the helpers the file and report tests share.
#ifndef SPULIX_TESTS_UI_OUTPUT_DESIGN_FORM_H_
#define SPULIX_TESTS_UI_OUTPUT_DESIGN_FORM_H_

#include <sys/resource.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_tool.h"
#include "design/field_reactions.h"
#include "design/parts/core_selection.h"
#include "design/sheet/winding_sheet.h"
#include "document/design_document.h"
#include "document/design_file.h"
#include "present/sheet_text.h"
#include "tests/document/hostile_files.h"
#include "tests/ui/language/english_check.h"
#include "ui/language/language.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_commands.h"
#include "ui/output/design_file_commands.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/user_core_file.h"

namespace spulix {

// The real window with its commands, messages collected, dialogs answered.
class Form1 {
 public:
  Form1() : files_(window_.design_files()) {
    window_.store().SetMessageSink(
        [this](std::string_view text) { messages_.emplace_back(text); });
    files_.SetFileChooser(
        [this](DesignFileCommands::Dialog dialog, const QString& suggested) {
          dialogs_.push_back(dialog);
          suggested_ = suggested;
          return answer_;
        });
    files_.SetUnsavedQuestion([this] {
      ++questions_;
      return unsaved_answer_;
    });
  }

  MainWindow& window() { return window_; }
  DesignFileCommands& files() { return files_; }
  std::vector<std::string>& messages() { return messages_; }
  std::vector<DesignFileCommands::Dialog>& dialogs() { return dialogs_; }
  void Answer(const QString& path) { answer_ = path; }
  void AnswerUnsaved(DesignFileCommands::Unsaved answer) {
    unsaved_answer_ = answer;
  }
  int questions() const { return questions_; }
  const QString& suggested() const { return suggested_; }
  QString SaveCaption() { return files_.save_action()->text(); }
  QString Status() {
    return window_.findChild<QLabel*>(QStringLiteral("Label33"))->text();
  }
  void Clear() { window_.commands().clear->trigger(); }
  Design Shown() { return CaptureDesign(window_.store()); }
  QString Text(Field field) { return window_.field(field)->text(); }

 private:
  MainWindow window_;
  DesignFileCommands& files_;
  std::vector<std::string> messages_;
  std::vector<DesignFileCommands::Dialog> dialogs_;
  QString answer_;
  QString suggested_;
  DesignFileCommands::Unsaved unsaved_answer_ =
      DesignFileCommands::Unsaved::kDiscard;
  int questions_ = 0;
};

// Drops a file onto a field of the window, as a file manager does.
inline void DropOnto(MainWindow& window, const QString& path) {
  QLineEdit* target = window.field(Field::kOutputPower);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  data.setText(path);
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                  Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

inline std::string Slurp(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void Spit(const QString& path, const std::string& content) {
  std::ofstream(path.toStdString(), std::ios::binary) << content;
}

inline ToolOutput Calc(const std::vector<std::string>& args) {
  std::istringstream none;
  return RunCalcTool(args, none);
}

inline QString RunTool(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  if (!process.waitForFinished(20000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace spulix

#endif  // SPULIX_TESTS_UI_OUTPUT_DESIGN_FORM_H_
