// SPDX-License-Identifier: GPL-3.0-or-later
// The report's sheet page gives each DC winding's load and figures, the
// same texts the sheet computes for the design, beside a plot of its
// half-cycle.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <variant>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/sheet/winding_sheet.h"
#include "present/dc_figures_text.h"
#include "ui/main_window/main_window.h"
#include "ui/output/design_file_commands.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/qt_field_store.h"

namespace spulix {

class ReportDcTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void sheetPageListsEachDcWinding() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MainWindow window;
    window.store().SetMessageSink([](std::string_view) {});
    Command9_Click(window.store());
    CalculateDesign(window.store());
    SheetChoices choices;
    Secondary extra;
    extra.load.kind = LoadKind::kBridge;
    extra.load.udc = "15";
    extra.load.idc = "1";
    choices.secondaries.SetExtras({extra});
    window.sheet_choices().Set(choices);
    const SheetOutcome outcome =
        ComputeWindingSheet(CopyTexts(window.store()), choices);
    QVERIFY(std::holds_alternative<WindingSheet>(outcome));
    const std::vector<DcWindingTexts> expected =
        SheetDcTexts(std::get<WindingSheet>(outcome));
    QCOMPARE(expected.size(), std::size_t{1});

    const QString pdf = dir.filePath(QStringLiteral("dc.pdf"));
    QVERIFY(window.design_files().ExportReportTo(pdf));
    // SPULIX_REPORT_PDF=path keeps the report to look at.
    if (qEnvironmentVariableIsSet("SPULIX_REPORT_PDF")) {
      QFile::copy(pdf, qEnvironmentVariable("SPULIX_REPORT_PDF"));
    }
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
      QSKIP("pdftotext (poppler-utils) is missing");
    }
    const QString text = QString::fromUtf8(process.readAllStandardOutput())
                             .normalized(QString::NormalizationForm_KC);
    const auto has = [&text](const std::string& wanted) {
      return text.contains(QString::fromStdString(wanted).normalized(
          QString::NormalizationForm_KC));
    };
    QVERIFY2(has("次级2 的直流负载"), qPrintable(text));
    for (const auto& [caption, value] : expected[0].figures) {
      QVERIFY2(has(caption), caption.c_str());
      // Long values wrap; their first word is enough to find them.
      QVERIFY2(has(value.substr(0, value.find(' '))), value.c_str());
    }
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::ReportDcTest)
#include "report_dc_test.moc"
