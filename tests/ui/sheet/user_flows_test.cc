// SPDX-License-Identifier: GPL-3.0-or-later
// Two builder's errands on the real windows, every click and key sent as a
// user sends them and counted past the typing of numbers and file names:
// the core in hand (U1, U2, a core's name and its stack to the largest
// P2's saved design) and a DC supply (±35 V 3 A to a saved design whose
// sheet fits, and its report). The file dialogs are answered as a user
// would with a name and Enter, which counts as one key.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <string>
#include <variant>

#include "design/sheet/core_rating.h"
#include "design/sheet/winding_sheet.h"
#include "document/design_file.h"
#include "tests/ui/sheet/sheet_window_fixture.h"
#include "ui/output/design_file_commands.h"
#include "ui/sheet/core_rating_box.h"
#include "ui/sheet/dc_load_editor.h"
#include "ui/sheet/sheet_choices_box.h"

namespace spulix {

class UserFlowsTest : public QObject, testing_support::SheetWindowFixture {
  Q_OBJECT

 private:
  int events_ = 0;  // clicks and keys past typing

  void Click(QWidget* widget, QPoint at = {}) {
    ++events_;
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      at.isNull() ? widget->rect().center() : at);
  }
  // A key into the window the user works in. Its activation comes from
  // the X server and may lag behind the clicks on a busy machine.
  void Key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    ++events_;
    if (!window->isActiveWindow()) {
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window, key, modifiers);
  }
  // The menu bar's menu, then its item: two clicks.
  void ChooseMenuItem(const char* menu_name, const char* action_name) {
    auto* menu = main_->findChild<QMenu*>(QString::fromLatin1(menu_name));
    QMenuBar* bar = main_->menuBar();
    Click(bar, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
    auto* action = main_->findChild<QAction*>(QString::fromLatin1(action_name));
    Click(menu, menu->actionGeometry(action).center());
  }
  // A combo box opened, then the item with this text clicked: two clicks.
  void ChooseItem(QComboBox* combo, const QString& text) {
    Click(combo);
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    const int row = combo->findText(text);
    QVERIFY(row >= 0);
    const QModelIndex index = list->model()->index(row, combo->modelColumn());
    list->scrollTo(index);
    // The popup ignores a release this soon after it opened, as it would
    // the end of the click that opened it.
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    // In the middle of the row as the popup shows it, which may be narrower
    // than the item's own rectangle.
    Click(list->viewport(), QPoint(list->viewport()->width() / 2,
                                   list->visualRect(index).center().y()));
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(combo->currentText(), text);
  }
  void AnswerDialogsWith(const QString& path) {
    main_->design_files().SetFileChooser(
        [path](DesignFileCommands::Dialog, const QString&) { return path; });
  }
  void Type(QLineEdit* edit, const char* text) {
    QTest::keyClicks(edit, QString::fromUtf8(text));
  }

 private slots:
  void initTestCase() { SetUpSuite(); }
  void init() {
    SetUpWindow();
    events_ = 0;
  }
  void cleanup() { TearDownWindow(); }

  void theCoreInHandToItsLargestPowersSavedDesign() {
    main_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main_.get()));
    SheetWindowFixture::Type(main_->field(Field::kInputVoltage), "220");
    SheetWindowFixture::Type(main_->field(Field::kOutputVoltage), "24");
    ChooseMenuItem("XX", "RZD");
    SheetWindow* window = main_->selection_windows().sheet();
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    Click(window->stack());
    Type(window->stack(), "40");
    ChooseItem(window->rating()->core_choice(), QStringLiteral("EI-96"));
    QTRY_VERIFY(window->rating()->use()->isEnabled());
    const int largest = *window->rating()->rating()->p2_w;
    Click(window->rating()->use());
    const QString path = home_->filePath(QStringLiteral("ei96.spulix"));
    AnswerDialogsWith(path);
    Key(window, Qt::Key_S, Qt::ControlModifier);
    ++events_;  // the name typed, then Enter

    qInfo("the core in hand: %d clicks and keys past typing", events_);
    QVERIFY(events_ <= 8);
    const DesignParse parse =
        ReadDesignFile(QFile::encodeName(path).toStdString());
    const auto* saved = std::get_if<Design>(&parse);
    QVERIFY(saved != nullptr);
    QCOMPARE(saved->texts[Field::kOutputPower], std::to_string(largest));
    QCOMPARE(saved->texts[Field::kTongueWidth], std::string("32"));
    QCOMPARE(saved->sheet.stack_mm, std::string("40"));
    const SheetOutcome sheet = ComputeWindingSheet(saved->texts, saved->sheet);
    QVERIFY(std::holds_alternative<WindingSheet>(sheet));
    QVERIFY(std::get<WindingSheet>(sheet).fits);
  }

  // The report's key works from a field of the main window too, where the
  // focus is after a file dialog closes: a line edit on X11 takes Ctrl+E
  // (to the end of the line), so the key is Ctrl+Shift+E.
  void theReportKeyWorksFromTheMainWindowsFields() {
    main_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main_.get()));
    QLineEdit* u1 = main_->field(Field::kInputVoltage);
    u1->setFocus();
    QTRY_VERIFY(u1->hasFocus());
    int asked = 0;
    main_->design_files().SetFileChooser(
        [&asked](DesignFileCommands::Dialog dialog, const QString&) {
          if (dialog == DesignFileCommands::Dialog::kExportReport) ++asked;
          return QString();
        });
    Key(main_.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(asked, 1);
  }

  void aDcSupplyToASavedDesignAndItsReport() {
    main_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main_.get()));
    SheetWindowFixture::Type(main_->field(Field::kInputVoltage), "220");
    ChooseMenuItem("XX", "RZD");
    SheetWindow* window = main_->selection_windows().sheet();
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    DcLoadEditor* dc = window->dc_load();
    ChooseItem(dc->kind(), QStringLiteral("正负"));
    Click(dc->udc());
    Type(dc->udc(), "35");
    Key(window, Qt::Key_Tab);
    Type(dc->idc(), "3");
    QTRY_VERIFY(dc->apply()->isEnabled() && !dc->refresh_pending());
    Click(dc->apply());
    auto* use =
        window->findChild<QPushButton*>(QStringLiteral("UseRecommendedCore"));
    QTRY_VERIFY(use->isEnabled());
    Click(use);
    const QString path = home_->filePath(QStringLiteral("rails.spulix"));
    AnswerDialogsWith(path);
    Key(window, Qt::Key_S, Qt::ControlModifier);
    ++events_;  // the name typed, then Enter
    const QString report = home_->filePath(QStringLiteral("rails.pdf"));
    AnswerDialogsWith(report);
    Key(window, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    ++events_;  // Enter on the name suggested

    qInfo("±35 V 3 A: %d clicks and keys past typing", events_);
    QVERIFY(events_ <= 12);
    QTRY_VERIFY(QFileInfo(report).size() > 0);
    const DesignParse parse =
        ReadDesignFile(QFile::encodeName(path).toStdString());
    const auto* saved = std::get_if<Design>(&parse);
    QVERIFY(saved != nullptr);
    QCOMPARE(saved->sheet.secondaries.main().load.kind, LoadKind::kSplit);
    const SheetOutcome sheet = ComputeWindingSheet(saved->texts, saved->sheet);
    QVERIFY(std::holds_alternative<WindingSheet>(sheet));
    QVERIFY(std::get<WindingSheet>(sheet).fits);
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::UserFlowsTest)
#include "user_flows_test.moc"
