// SPDX-License-Identifier: GPL-3.0-or-later
// 文件 › 导出绕制图 (SVG)…: the file holds the drawing of the design's own
// sheet, in the window's language, and a design without a sheet writes
// nothing and says why.
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <variant>
#include <vector>

#include "design/design.h"
#include "design/sheet/coil_section.h"
#include "design/sheet/winding_sheet.h"
#include "present/coil_svg.h"
#include "ui/main_window/main_window.h"
#include "ui/output/design_file_commands.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/qt_field_store.h"

namespace spulix {

class DrawingExportTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    window_ = std::make_unique<MainWindow>();
    messages_.clear();
    window_->store().SetMessageSink(
        [this](std::string_view text) { messages_.emplace_back(text); });
  }
  void cleanup() { window_.reset(); }

  void WritesTheDrawingOfTheDesignsSheet() {
    for (auto [field, text] : {std::pair{Field::kInputVoltage, "220"},
                               std::pair{Field::kOutputVoltage, "24"},
                               std::pair{Field::kWindowHeight, "48"},
                               std::pair{Field::kWindowWidth, "16"},
                               std::pair{Field::kTongueWidth, "32"},
                               std::pair{Field::kOutputPower, "80"}}) {
      window_->field(field)->setText(QString::fromLatin1(text));
    }
    SheetChoices choices;
    choices.secondaries.SetExtras({{"6.3", "1", false}});
    window_->sheet_choices().Set(choices);
    const QString path = dir_.filePath(QStringLiteral("coil.svg"));
    QVERIFY(window_->design_files().ExportDrawingTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const SheetOutcome sheet =
        ComputeWindingSheet(CopyTexts(window_->store()), choices);
    QVERIFY(std::holds_alternative<WindingSheet>(sheet));
    QCOMPARE(file.readAll().toStdString(),
             CoilSvg(CoilSectionOf(std::get<WindingSheet>(sheet))));
    QVERIFY(messages_.empty());
  }

  void WithoutASheetWritesNothingAndSaysWhy() {
    const QString path = dir_.filePath(QStringLiteral("none.svg"));
    QVERIFY(!window_->design_files().ExportDrawingTo(path));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(messages_.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(messages_[0])
                .startsWith(QStringLiteral("无法导出绕制图")));
  }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<MainWindow> window_;
  std::vector<std::string> messages_;
};

}  // namespace spulix

QTEST_MAIN(spulix::DrawingExportTest)
#include "drawing_export_test.moc"
