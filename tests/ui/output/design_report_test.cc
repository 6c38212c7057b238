// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF report from the window: every value searchable in its pages, the
// same figures in English, and a folder that is not there.
#include <QtTest>

#include "tests/ui/output/design_form.h"

namespace spulix {

class DesignReportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    // The user's own cores come from a scratch folder, never the real home.
    QStandardPaths::setTestModeEnabled(true);
  }

  void ReportIsThreeSearchablePagesWithEveryValue() {
    const QString design = dir_.filePath(QStringLiteral("报告样品.spulix"));
    const QString pdf = dir_.filePath(QStringLiteral("report.pdf"));
    Form1 form;
    FieldStore& store = form.window().store();
    Command9_Click(store);
    // The catalogue's EI-114 and a standard wire of unknown overall size.
    store.SetText(Field::kWindowHeight, "57");
    store.SetText(Field::kWindowWidth, "19");
    store.SetText(Field::kTongueWidth, "38");
    CalculateAgain(form);
    store.SetText(Field::kPrimaryWireDiameter, "0.85");
    QVERIFY(form.files().SaveTo(design));
    QVERIFY(form.files().ExportReportTo(pdf));

    // SPULIX_REPORT_PNG=path/name keeps a rendering (name-1.png, name-2.png)
    // to look at.
    if (qEnvironmentVariableIsSet("SPULIX_REPORT_PNG")) {
      RunTool(
          QStringLiteral("pdftoppm"),
          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
           pdf, qEnvironmentVariable("SPULIX_REPORT_PNG")});
      QFile::copy(pdf, qEnvironmentVariable("SPULIX_REPORT_PNG") + ".pdf");
    }
    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    if (info.isEmpty()) QSKIP("pdfinfo (poppler-utils) is not installed");
    QVERIFY2(
        info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))),
        qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("A4")));
    // The CJK faces share glyphs between ideographs and Kangxi radicals, and
    // the text layer names the radical (⽇ for 日); viewers search in the
    // compatibility-normalised form, and so does this test.
    const auto page = [&pdf](const char* number) {
      return RunTool(QStringLiteral("pdftotext"),
                     {QStringLiteral("-layout"), QStringLiteral("-f"),
                      QString::fromLatin1(number), QStringLiteral("-l"),
                      QString::fromLatin1(number), pdf, QStringLiteral("-")})
          .normalized(QString::NormalizationForm_KC);
    };
    const QString text = page("1");
    for (const char* expected :
         {"Spulix 电源变压器设计报告", "报告样品.spulix", "变压器输出功率",
          "初级外层绝缘", "整个线包总厚度", "这只窗口能容得下", "EI-114",
          "标称 0.85 毫米", "一级漆包外径 ≤0.959 毫米", "c = 19", "h = 57"}) {
      QVERIFY2(text.contains(QString::fromUtf8(expected)),
               qPrintable(QString::fromUtf8(expected) + "\n" + text));
    }
    for (int number = 1; number <= kFieldCount; ++number) {
      const QString value = form.Text(FieldFromNumber(number));
      QVERIFY2(text.contains(value), qPrintable(value));
    }
    QVERIFY(
        !text.contains(QStringLiteral("次级导线")));  // d2 is no standard size

    // Page two: the sheet with the design's choices, as the command line
    // prints it; the wire to buy by size.
    const QString sheet = page("2");
    // Page three: the coil to scale and the load curves.
    QVERIFY(page("3").contains(QStringLiteral("绕制图与负载曲线")
                                   .normalized(QString::NormalizationForm_KC)));
    const SheetOutcome outcome = ComputeWindingSheet(
        CopyTexts(store), form.window().sheet_choices().choices());
    QVERIFY(std::holds_alternative<WindingSheet>(outcome));
    const WindingSheet& expected = std::get<WindingSheet>(outcome);
    // Page one names its verdict as the traditional one and gives the
    // sheet's beside it, but none of the sheet's tables.
    QVERIFY(!text.contains(QStringLiteral("要买的漆包线")));
    QVERIFY(text.contains(QStringLiteral("传统算法")));
    QVERIFY(text.contains(QString::number(expected.coil_mm, 'f', 2)));
    for (QString wanted :
         {QStringLiteral("绕制单"), QStringLiteral("初级"),
          QStringLiteral("次级1"), QStringLiteral("50W800"),
          QStringLiteral("要买的漆包线"), QStringLiteral("推荐铁心"),
          QString::fromStdString(CoilVerdictText(expected))}) {
      wanted = wanted.normalized(QString::NormalizationForm_KC);
      QVERIFY2(sheet.contains(wanted), qPrintable(wanted + "\n" + sheet));
    }
    for (const auto& row : WiresToBuyTexts(expected)) {
      for (const std::string& cell : row) {
        QVERIFY2(sheet.contains(QString::fromStdString(cell)), cell.c_str());
      }
    }

    // Without chosen parts the section is left out.
    form.files().SetPartsSource({});
    QVERIFY(form.files().ExportReportTo(pdf));
    const QString without =
        RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
            .normalized(QString::NormalizationForm_KC);
    QVERIFY(without.contains(QStringLiteral("铁心图")));
    QVERIFY(!without.contains(QStringLiteral("标准铁心")));

    // A design without a core: the reason and the core to take instead.
    form.Clear();
    for (const auto& [field, value] : {std::pair{Field::kInputVoltage, "220"},
                                       std::pair{Field::kOutputVoltage, "24"},
                                       std::pair{Field::kOutputPower, "150"}}) {
      store.SetText(field, value);
    }
    QVERIFY(form.files().ExportReportTo(pdf));
    const QString reason = page("2");
    QVERIFY2(reason.contains(QStringLiteral("无法计算绕制单")) &&
                 reason.contains(QStringLiteral("EI-114")),
             qPrintable(reason));
  }

  // In English no page keeps any Chinese, and the report gives the figures
  // of the Chinese one, every one of them.
  void ReportInEnglishHasTheSameFigures() {
    const QString pdf = dir_.filePath(QStringLiteral("report.pdf"));
    Form1 form;
    FieldStore& store = form.window().store();
    Command9_Click(store);
    CalculateAgain(form);
    // An extra secondary with a tap and wires of unknown overall size, so
    // that the sheet has its notes, on a further page in English.
    store.SetText(Field::kPrimaryWireDiameter, "0.85");
    SheetChoices choices;
    choices.secondaries.main().center_tap = true;
    choices.secondaries.SetExtras({{"12", "0.5", true}});
    form.window().sheet_choices().Set(choices);
    const auto text = [&] {
      if (!form.files().ExportReportTo(pdf)) return QString();
      return RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    };
    const QString chinese = text();
    QVERIFY(ApplyLanguage(Language::kEnglish));
    const QString english = text();
    QVERIFY(ApplyLanguage(Language::kChinese));
    // SPULIX_REPORT_PNG=path/name keeps the English pages as name-en-1.png...
    if (qEnvironmentVariableIsSet("SPULIX_REPORT_PNG")) {
      RunTool(
          QStringLiteral("pdftoppm"),
          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
           pdf, qEnvironmentVariable("SPULIX_REPORT_PNG") + "-en"});
    }
    if (chinese.isEmpty()) QSKIP("pdftotext (poppler-utils) is missing");
    QVERIFY2(!HasChinese(english), qPrintable(english));
    const auto figures = [](const QString& text) {
      QStringList found;
      for (const auto& match : QRegularExpression(QStringLiteral("\\d+\\.\\d+"))
                                   .globalMatch(text)) {
        found << match.captured();
      }
      found.sort();
      return found;
    };
    QVERIFY(figures(chinese).size() > 50);
    QCOMPARE(figures(english), figures(chinese));
  }

  void ReportIntoAMissingFolderSaysSo() {
    Form1 form;
    QVERIFY(!form.files().ExportReportTo(
        dir_.filePath(QStringLiteral("no/r.pdf"))));
    QCOMPARE(form.messages().size(), std::size_t{1});
    QVERIFY(QString::fromStdString(form.messages()[0])
                .startsWith(QStringLiteral("无法导出报告“")));
  }

 private:
  static void CalculateAgain(Form1& form) {
    form.window().findChild<QAction*>(QStringLiteral("SX"))->trigger();
  }

  QTemporaryDir dir_;
};

}  // namespace spulix

QTEST_MAIN(spulix::DesignReportTest)
#include "design_report_test.moc"
