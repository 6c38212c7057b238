// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the language: the command line, the menu, what is remembered,
// the English main window (no Chinese left, nothing clipped or overlapping)
// and the way back to exactly the Chinese window.
#include "ui/language/language.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/parts/core_catalogue.h"
#include "tests/ui/language/english_check.h"
#include "ui/language/translated_text.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_commands.h"
#include "ui/store/design_sheet_choices.h"

namespace spulix {

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The user's own settings are never touched.
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       settings_.path());
    QStandardPaths::setTestModeEnabled(true);
  }
  void cleanup() { ApplyLanguage(Language::kChinese); }

  void startOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("language");  // -1: none given
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("error");
    const auto row = [](const char* name, QStringList args, int language,
                        const char* file, bool error) {
      args.prepend(QStringLiteral("spulix"));
      QTest::newRow(name) << args << language << QString::fromUtf8(file)
                          << error;
    };
    constexpr int kZh = static_cast<int>(Language::kChinese);
    constexpr int kEn = static_cast<int>(Language::kEnglish);
    row("nothing", {}, -1, "", false);
    row("file alone", {"a.spulix"}, -1, "a.spulix", false);
    row("lang en and file", {"--lang", "en", "a.spulix"}, kEn, "a.spulix",
        false);
    row("file then lang", {"设计.spulix", "--lang=zh"}, kZh, "设计.spulix",
        false);
    row("the last lang counts", {"--lang", "zh", "--lang", "en"}, kEn, "",
        false);
    row("unknown language", {"--lang", "fr"}, -1, "", true);
    row("lang without value", {"--lang"}, -1, "", true);
    row("unknown option", {"--language", "en"}, -1, "", true);
    row("two files", {"a.spulix", "b.spulix"}, -1, "", true);
  }
  void startOptions() {
    QFETCH(QStringList, arguments);
    QFETCH(int, language);
    QFETCH(QString, file);
    QFETCH(bool, error);
    const StartOptions options = ParseStartOptions(arguments);
    QCOMPARE(!options.error.isEmpty(), error);
    if (error) return;
    QCOMPARE(options.language.has_value(), language >= 0);
    if (options.language)
      QCOMPARE(static_cast<int>(*options.language), language);
    QCOMPARE(options.file, file);
  }

  // The menu switches at once and is remembered for the next start.
  void menuSwitchesAndIsRemembered() {
    QCOMPARE(SavedLanguage(), Language::kChinese);
    MainWindow window;
    auto* menu = window.findChild<QMenu*>(QStringLiteral("BZ"));
    QCOMPARE(menu->title(), QStringLiteral("帮助"));
    QVERIFY(window.commands().chinese->isChecked());

    window.commands().english->trigger();
    QCOMPARE(CurrentLanguage(), Language::kEnglish);
    QCOMPARE(SavedLanguage(), Language::kEnglish);
    QCOMPARE(menu->title(), QStringLiteral("Help"));
    QVERIFY(window.commands().english->isChecked());
    QVERIFY(!window.commands().chinese->isChecked());

    window.commands().chinese->trigger();
    QCOMPARE(SavedLanguage(), Language::kChinese);
    QCOMPARE(menu->title(), QStringLiteral("帮助"));
  }

  // In English no Chinese is left (but for the language menu, which names
  // itself in both), no caption is wider than its control, and no control
  // overlaps one it does not overlap in Chinese.
  void englishMainWindow() {
    const Overlaps chinese = OverlapsOf(MainWindow());
    QVERIFY(ApplyLanguage(Language::kEnglish));
    MainWindow window;
    window.Timer1_Timer(QDateTime(QDate(2026, 12, 10), QTime(1, 20, 28)));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label5"))->text(),
             QStringLiteral("Thu 10 Dec 2026 01:20:28"));
    const QStringList faults =
        EnglishFaults(window, chinese, QStringLiteral("Language"));
    Command9_Click(window.store());
    SaveScreenshot(window, "main-window-en.png");
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
  }

  // The core, wire and winding sheet windows in English, table headers and
  // cells too, and back in Chinese as they were.
  void selectionWindowsInEnglish_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("screenshot");
    QTest::newRow("cores") << "CoreWindow"
                           << "core-window-en.png";
    QTest::newRow("wires") << "WireWindow"
                           << "wire-window-en.png";
    QTest::newRow("sheet") << "SheetWindow"
                           << "sheet-window-en.png";
  }
  void selectionWindowsInEnglish() {
    QFETCH(QString, window);
    QFETCH(QString, screenshot);
    MainWindow main;
    Command9_Click(main.store());
    CalculateDesign(main.store());
    if (window == "SheetWindow") {
      // A tapped extra secondary: its row names and notes too.
      SheetChoices choices;
      choices.secondaries.main().center_tap = true;
      choices.secondaries.SetExtras({{"12", "0.5", true}});
      main.sheet_choices().Set(choices);
    }
    const auto open = [&main, &window] {
      (window == "CoreWindow"   ? main.commands().standard_cores
       : window == "WireWindow" ? main.commands().standard_wires
                                : main.commands().winding_sheet)
          ->trigger();
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == window) return top;
      }
      return static_cast<QWidget*>(nullptr);
    };
    QWidget* shown = open();
    QVERIFY(shown != nullptr);
    // Settled: the wire window marks its rows once shown.
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QCoreApplication::processEvents();
    const Overlaps chinese = OverlapsOf(*shown);
    const QImage before = shown->grab().toImage();

    // Each time as the user sees it, laid out again.
    QVERIFY(ApplyLanguage(Language::kEnglish));
    QCoreApplication::processEvents();
    QStringList faults = EnglishFaults(*shown, chinese);
    for (const QTableView* table : shown->findChildren<QTableView*>()) {
      const QAbstractItemModel& model = *table->model();
      for (int row = 0; row < model.rowCount(); ++row) {
        const QString header = model.headerData(row, Qt::Vertical).toString();
        if (HasChinese(header)) faults << "row header " + header;
      }
      for (int column = 0; column < model.columnCount(); ++column) {
        const QString header =
            model.headerData(column, Qt::Horizontal).toString();
        if (HasChinese(header)) faults << "header " + header;
        for (int row = 0; row < model.rowCount(); ++row) {
          const QString cell = model.index(row, column).data().toString();
          if (HasChinese(cell)) faults << "cell " + cell;
        }
      }
    }
    SaveScreenshot(*shown, qPrintable(screenshot));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

    QVERIFY(ApplyLanguage(Language::kChinese));
    QCoreApplication::processEvents();
    QCOMPARE(shown->grab().toImage(), before);
  }

  // The core editor's refusals, which the engine words, in English.
  void coreRefusalsInEnglish() {
    QVERIFY(ApplyLanguage(Language::kEnglish));
    CoreCatalogue catalogue;
    const Translate english = CurrentTranslation();
    const std::optional<std::string> refusals[] = {
        catalogue.AddUserCore({"EI-48", "10", "5", "15"}, english),
        catalogue.AddUserCore({"Mine", "1x", "5", "15"}, english),
        catalogue.AddUserCore({"", "10", "5", "15"}, english),
        catalogue.RemoveUserCore(0, english),
        catalogue.ReplaceUserCore(0, {"X", "1", "1", "1"}, english)};
    for (const std::optional<std::string>& refusal : refusals) {
      QVERIFY(refusal.has_value());
      QVERIFY2(!HasChinese(QString::fromStdString(*refusal)), refusal->c_str());
    }
  }

  // Back in Chinese, a window built in English is the one a Chinese start
  // shows, pixel for pixel.
  void backToChineseIsPixelForPixel() {
    QVERIFY(ApplyLanguage(Language::kEnglish));
    MainWindow switched;
    QVERIFY(ApplyLanguage(Language::kChinese));
    MainWindow fresh;
    const QDateTime now(QDate(2026, 12, 10), QTime(1, 20, 28));
    switched.Timer1_Timer(now);
    fresh.Timer1_Timer(now);
    QCOMPARE(switched.grab().toImage(), fresh.grab().toImage());
    QCOMPARE(switched.commands().save_design->text(),
             fresh.commands().save_design->text());
  }

 private:
  // The README's pictures, where SPULIX_SCREENSHOTS names their folder.
  static void SaveScreenshot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("SPULIX_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QVERIFY(window.grab().save(folder + u'/' + QString::fromLatin1(name)));
  }

  QTemporaryDir settings_;
};

}  // namespace spulix

QTEST_MAIN(spulix::LanguageTest)
#include "language_test.moc"
