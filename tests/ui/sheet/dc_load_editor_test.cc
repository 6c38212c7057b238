// SPDX-License-Identifier: GPL-3.0-or-later
// 次级1's DC load in the 绕制单 window on the real main window: the load
// typed reaches the design's choices, the solve waits for a pause, the
// button types the U2 and P2 found into the main window with their
// reactions, and the plot shows the steady half-cycle. With
// SPULIX_SCREENSHOT_DIR set, the window is written there
// (sheet-window-dc.png).
#include "ui/sheet/dc_load_editor.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <variant>

#include "design/memory_store.h"
#include "design/rectifier/rectifier_simulation.h"
#include "tests/ui/sheet/sheet_window_fixture.h"
#include "ui/main_window/main_window.h"
#include "ui/selection/selection_windows.h"
#include "ui/sheet/rectifier_plot.h"
#include "ui/sheet/sheet_table_model.h"
#include "ui/sheet/sheet_window.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/qt_field_store.h"

namespace spulix {

class DcLoadEditorTest : public QObject, testing_support::SheetWindowFixture {
  Q_OBJECT

 private:
  const MainDcSolution* Found(DcLoadEditor* editor) {
    if (!editor->outcome()) return nullptr;
    return std::get_if<MainDcSolution>(&*editor->outcome());
  }

 private slots:
  void initTestCase() { SetUpSuite(); }
  void init() { SetUpWindow(); }
  void cleanup() { TearDownWindow(); }

  void typedLoadIsSolvedAfterAPauseAndAppliedByTheButton() {
    Type(main_->field(Field::kInputVoltage), "220");
    SheetWindow* window = OpenSheet();
    QVERIFY(window != nullptr);
    DcLoadEditor* editor = window->dc_load();
    QVERIFY(!editor->apply()->isEnabled());
    editor->kind()->setCurrentIndex(1);  // 桥式
    Type(editor->udc(), "24");
    Type(editor->idc(), "2");
    Type(editor->capacitance(), "4700");
    // Never on the keystroke: the solve waits for the pause.
    QVERIFY(editor->refresh_pending());
    const SecondaryLoad& load =
        main_->sheet_choices().choices().secondaries.main().load;
    QCOMPARE(load.kind, LoadKind::kBridge);
    QCOMPARE(load.udc, std::string("24"));
    QCOMPARE(load.c_uf, std::string("4700"));
    QVERIFY(load.vf.empty());
    QTRY_VERIFY(Found(editor) != nullptr);
    QVERIFY(editor->apply()->isEnabled());
    QVERIFY(editor->figures()->text().contains(QStringLiteral("满载直流电压")));
    QVERIFY(editor->figures()->text().contains(QStringLiteral("漏感")));
    QCOMPARE(editor->plot()->half_cycle().size(),
             static_cast<std::size_t>(kPlotIntervals + 1));
    // The main window is untouched until the button.
    QVERIFY(main_->store().Text(Field::kOutputVoltage).empty());

    const MainDcSolution found = *Found(editor);
    MemoryStore expected;
    expected.LoadTexts(CopyTexts(main_->store()));
    expected.SetText(Field::kOutputVoltage, found.u2_text);
    expected.SetText(Field::kOutputPower, found.p2_text);
    QTest::mouseClick(editor->apply(), Qt::LeftButton);
    QCOMPARE(CopyTexts(main_->store()), expected.texts());
    QCOMPARE(main_->store().Text(Field::kOutputVoltage), found.u2_text);

    // Back to AC: nothing solved, nothing to apply, nothing drawn.
    editor->kind()->setCurrentIndex(0);
    QTRY_VERIFY(!editor->outcome().has_value());
    QVERIFY(!editor->apply()->isEnabled());
    QVERIFY(editor->plot()->half_cycle().empty());
    QCOMPARE(main_->sheet_choices().choices().secondaries.main().load.kind,
             LoadKind::kAc);
  }

  // A load set elsewhere (a file, Clear) shows in the controls.
  void followsTheDesignsChoices() {
    SheetWindow* window = OpenSheet();
    DcLoadEditor* editor = window->dc_load();
    SheetChoices choices;
    choices.secondaries.main().load.kind = LoadKind::kSplit;
    choices.secondaries.main().load.udc = "35";
    choices.secondaries.main().load.idc = "bad";
    main_->sheet_choices().Set(choices);
    QCOMPARE(editor->kind()->currentIndex(), 3);
    QCOMPARE(editor->udc()->text(), QStringLiteral("35"));
    QTRY_VERIFY(editor->outcome().has_value());
    QVERIFY(Found(editor) == nullptr);
    QVERIFY(editor->figures()->text().contains(QStringLiteral("直流电流")));
    QVERIFY(!editor->apply()->isEnabled());
  }

  void screenshot() {
    const QString dir = qEnvironmentVariable("SPULIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("SPULIX_SCREENSHOT_DIR is not set");
    Type(main_->field(Field::kInputVoltage), "220");
    SheetChoices choices;
    SecondaryLoad& load = choices.secondaries.main().load;
    load.kind = LoadKind::kSplit;
    load.udc = "35";
    load.idc = "3";
    load.c_uf = "10000";
    main_->sheet_choices().Set(choices);
    SheetWindow* window = OpenSheet();
    DcLoadEditor* editor = window->dc_load();
    QTRY_VERIFY(Found(editor) != nullptr);
    QTest::mouseClick(editor->apply(), Qt::LeftButton);
    window->UseRecommended();
    QTRY_COMPARE(window->model()->rowCount(), 2);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->resize(1100, 860);
    QTest::qWait(400);
    QVERIFY(window->grab().save(
        QDir(dir).filePath(QStringLiteral("sheet-window-dc.png"))));
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::DcLoadEditorTest)
#include "dc_load_editor_test.moc"
