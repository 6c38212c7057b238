// SPDX-License-Identifier: GPL-3.0-or-later
// 绕制单 on the real main window: opened from the menu once, following the
// design, 使用推荐铁心 as the core window's 使用, the extra secondaries
// belonging to the design, and the design's file keys. With
// SPULIX_SCREENSHOT_DIR set, the window with the sample design and two extra
// secondaries is written there (sheet-window.png).
#include "ui/sheet/sheet_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

#include "design/design_calculation.h"
#include "design/memory_store.h"
#include "design/parts/core_selection.h"
#include "design/sheet/core_rating.h"
#include "design/sheet/stale_results.h"
#include "tests/ui/sheet/sheet_window_fixture.h"
#include "ui/language/language.h"
#include "ui/main_window/main_window.h"
#include "ui/output/design_file_commands.h"
#include "ui/selection/selection_windows.h"
#include "ui/sheet/core_rating_box.h"
#include "ui/sheet/sheet_table_model.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/qt_field_store.h"

namespace spulix {
namespace {

QString Cell(QAbstractItemModel* model, int row, int column) {
  return model->index(row, column).data().toString();
}

bool ShowsReason(SheetWindow* window) {
  return window->status()->text().startsWith(QStringLiteral("无法计算"));
}

}  // namespace

class SheetWindowTest : public QObject, testing_support::SheetWindowFixture {
  Q_OBJECT

 private:
  using SheetWindowFixture::Type;
  void Type(Field field, const char* text) {
    SheetWindowFixture::Type(main_->field(field), text);
  }

 private slots:
  void initTestCase() { SetUpSuite(); }
  void init() { SetUpWindow(); }
  void cleanup() { TearDownWindow(); }

  // From three numbers to a core by Enter, exactly as 使用 puts it in.
  void recommendsAndUsesTheCore() {
    SheetWindow* window = OpenSheet();
    QVERIFY(window != nullptr);
    QCOMPARE(OpenSheet(), window);
    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      windows += qobject_cast<SheetWindow*>(widget) != nullptr;
    }
    QCOMPARE(windows, 1);

    Type(Field::kInputVoltage, "220");
    Type(Field::kOutputVoltage, "24");
    Type(Field::kOutputPower, "150");
    QTRY_COMPARE(window->recommended()->text(),
                 QStringLiteral("推荐铁心：EI-114"));
    QVERIFY(ShowsReason(window));
    QCOMPARE(window->model()->rowCount(), 0);

    MemoryStore expected;
    expected.LoadTexts(CopyTexts(main_->store()));
    const CoreCatalogue catalogue = main_->selection_windows().catalogue();
    UseCore(expected, catalogue.cores()[*catalogue.FindByName("EI-114")]);

    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(CopyTexts(main_->store()), CopyTexts(expected));
    QTRY_VERIFY(!ShowsReason(window));
    QCOMPARE(window->model()->rowCount(), 2);
  }

  // The extra secondaries are the design's: typed in the table, they reach
  // the choices and the sheet; Clear removes them; Ctrl+S here saves.
  void extrasBelongToTheDesign() {
    QTest::mouseClick(
        main_->findChild<QPushButton*>(QStringLiteral("Command9")),
        Qt::LeftButton);
    CalculateDesign(main_->store());
    SheetWindow* window = OpenSheet();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_COMPARE(window->model()->rowCount(), 2);
    const FieldTexts before = CopyTexts(main_->store());

    QTest::mouseClick(
        window->findChild<QPushButton*>(QStringLiteral("AddSecondary")),
        Qt::LeftButton);
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor != nullptr && window->extras()->isAncestorOf(editor));
    QTest::keyClicks(editor, QStringLiteral("6.3"));
    // Enter finishes the cell, not the window's default button.
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(CopyTexts(main_->store()), before);
    window->extras()->item(0, 1)->setText(QStringLiteral("2"));
    const DesignSheetChoices& choices = main_->sheet_choices();
    QVERIFY(std::ranges::equal(choices.choices().secondaries.extras(),
                               std::vector<Secondary>{{"6.3", "2", false}}));
    QTRY_COMPARE(window->model()->rowCount(), 3);
    QCOMPARE(Cell(window->model(), 2, 0), QStringLiteral("次级2"));
    QCOMPARE(Cell(window->model(), 2, 1), QStringLiteral("6.3"));

    auto* center_tap =
        window->findChild<QCheckBox*>(QStringLiteral("CenterTap"));
    center_tap->click();
    QVERIFY(choices.choices().secondaries.main().center_tap);
    QTRY_VERIFY(Cell(window->model(), 1, 4) != QStringLiteral("—"));  // 抽头

    main_->findChild<QAction*>(QStringLiteral("QK"))->trigger();
    QVERIFY(choices.choices().secondaries.extras().empty());
    QCOMPARE(window->extras()->rowCount(), 0);
    QVERIFY(!center_tap->isChecked());

    const QString path = home_->filePath(QStringLiteral("设计.json"));
    main_->design_files().SetFileChooser(
        [&path](DesignFileCommands::Dialog, const QString&) { return path; });
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFileInfo::exists(path));

    // The main window going while a cell is being edited takes the sheet
    // window with it, and the cell's text nowhere.
    QTest::mouseClick(
        window->findChild<QPushButton*>(QStringLiteral("AddSecondary")),
        Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));
    QPointer<SheetWindow> gone = window;
    main_.reset();
    QVERIFY(gone.isNull());
  }

  // The core in hand: typed stack and a catalogue core give the engine's
  // rating, and its button makes that the design, whose sheet then fits.
  void ratesTheCoreInHandAndDesignsAtThatPower() {
    Type(Field::kInputVoltage, "220");
    Type(Field::kOutputVoltage, "24");
    SheetWindow* window = OpenSheet();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->stack()->setFocus();
    QTest::keyClicks(window->stack(), QStringLiteral("50"));
    QCOMPARE(main_->sheet_choices().choices().stack_mm, std::string("50"));
    QComboBox* core = window->rating()->core_choice();
    core->setCurrentIndex(core->findText(QStringLiteral("EI-96")));
    const CoreCatalogue& catalogue = main_->selection_windows().catalogue();
    const CoreEntry ei96 = catalogue.cores()[*catalogue.FindByName("EI-96")];
    const CoreRating expected = RateCore(
        CopyTexts(main_->store()), main_->sheet_choices().choices(), ei96);
    QVERIFY(expected.p2_w.has_value());
    QTRY_VERIFY(window->rating()->answer()->text().contains(
        QString::number(*expected.p2_w)));
    QVERIFY(window->rating()->use()->isEnabled());

    QTest::mouseClick(window->rating()->use(), Qt::LeftButton);
    QCOMPARE(main_->field(Field::kOutputPower)->text(),
             QString::number(*expected.p2_w));
    QCOMPARE(main_->field(Field::kTongueWidth)->text(), QStringLiteral("32"));
    const SheetOutcome sheet = ComputeWindingSheet(
        CopyTexts(main_->store()), main_->sheet_choices().choices());
    QVERIFY(std::holds_alternative<WindingSheet>(sheet));
    QVERIFY(std::get<WindingSheet>(sheet).fits);
    QVERIFY(std::get<WindingSheet>(sheet).stack_as_built);

    // Clear forgets the stack with the rest of the design.
    main_->findChild<QAction*>(QStringLiteral("QK"))->trigger();
    QTRY_VERIFY(window->stack()->text().isEmpty());
  }

  // Results older than their inputs are said, and 刷新 there recalculates.
  void saysWhenTheResultsAreOlderThanTheInputs() {
    Type(Field::kInputVoltage, "220");
    Type(Field::kOutputVoltage, "52");
    Type(Field::kWindowHeight, "48");
    Type(Field::kWindowWidth, "16");
    Type(Field::kTongueWidth, "32");
    Type(Field::kOutputPower, "80");
    SheetWindow* window = OpenSheet();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_COMPARE(window->model()->rowCount(), 2);
    QVERIFY(!window->stale_warning()->isVisible());
    QLineEdit* u2 = main_->field(Field::kOutputVoltage);
    u2->selectAll();
    QTest::keyClicks(u2, QStringLiteral("24"));
    QTRY_VERIFY(window->stale_warning()->isVisible());
    QTest::mouseClick(
        window->findChild<QPushButton*>(QStringLiteral("RefreshResults")),
        Qt::LeftButton);
    QTRY_VERIFY(!window->stale_warning()->isVisible());
    QVERIFY(!ResultsAreStale(CopyTexts(main_->store())));
  }

  void screenshot() {
    const QString dir = qEnvironmentVariable("SPULIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("SPULIX_SCREENSHOT_DIR is not set");
    QTest::mouseClick(
        main_->findChild<QPushButton*>(QStringLiteral("Command9")),
        Qt::LeftButton);
    CalculateDesign(main_->store());
    SheetChoices choices;
    choices.secondaries.SetExtras({{"6.3", "2", false}, {"12", "1", true}});
    main_->sheet_choices().Set(choices);
    SheetWindow* window = OpenSheet();
    QTRY_COMPARE(window->model()->rowCount(), 4);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::qWait(300);
    QVERIFY(window->grab().save(
        QDir(dir).filePath(QStringLiteral("sheet-window.png"))));
    // The same window in English, and the coil drawn to scale in both.
    QVERIFY(ApplyLanguage(Language::kEnglish));
    QTest::qWait(300);
    QVERIFY(window->grab().save(
        QDir(dir).filePath(QStringLiteral("sheet-window-en.png"))));
    window->pages()->setCurrentIndex(1);
    QTest::qWait(200);
    QVERIFY(window->grab().save(
        QDir(dir).filePath(QStringLiteral("sheet-window-drawing-en.png"))));
    QVERIFY(ApplyLanguage(Language::kChinese));
    QTest::qWait(300);
    QVERIFY(window->grab().save(
        QDir(dir).filePath(QStringLiteral("sheet-window-drawing.png"))));
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::SheetWindowTest)
#include "sheet_window_test.moc"
