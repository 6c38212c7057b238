// SPDX-License-Identifier: GPL-3.0-or-later
// The 绕制单 window's choices on the real main window: 按满载电压定匝数
// reaches the design and the sheet's turns, a tap the rectifier needs is
// shown as set without becoming the user's, and an extra secondary takes
// a DC load in its table row.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <string>

#include "design/design_calculation.h"
#include "tests/ui/sheet/sheet_window_fixture.h"
#include "ui/sheet/dc_load_editor.h"
#include "ui/sheet/sheet_choices_box.h"
#include "ui/sheet/sheet_parts.h"
#include "ui/sheet/sheet_table_model.h"
#include "ui/store/design_sheet_choices.h"

namespace spulix {
namespace {

int Column(const QAbstractItemModel* model, const QString& caption) {
  for (int column = 0; column < model->columnCount(); ++column) {
    if (model->headerData(column, Qt::Horizontal).toString().contains(caption))
      return column;
  }
  return -1;
}

int Turns(SheetWindow* window, int row) {
  const QAbstractItemModel* model = window->model();
  return model->index(row, Column(model, QStringLiteral("匝数")))
      .data()
      .toString()
      .remove(QLatin1Char(','))
      .toInt();
}

}  // namespace

class SheetChoicesTest : public QObject, testing_support::SheetWindowFixture {
  Q_OBJECT

 private:
  // A small transformer, whose secondary falls short at full load.
  SheetWindow* SmallDesign() {
    for (const auto& [field, text] : {std::pair{Field::kInputVoltage, "220"},
                                      {Field::kOutputVoltage, "12"},
                                      {Field::kWindowHeight, "24"},
                                      {Field::kWindowWidth, "8"},
                                      {Field::kTongueWidth, "16"},
                                      {Field::kOutputPower, "10"}}) {
      Type(main_->field(field), text);
    }
    SheetWindow* window = OpenSheet();
    window->Refresh();
    return window;
  }

 private slots:
  void initTestCase() { SetUpSuite(); }
  void init() { SetUpWindow(); }
  void cleanup() { TearDownWindow(); }

  void fullLoadTurnsReachTheSheetAndTheDesign() {
    SheetWindow* window = SmallDesign();
    QCOMPARE(window->model()->rowCount(), 2);
    const int counted = Turns(window, 1);
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("SheetNotes"))
                ->text()
                .contains(QStringLiteral("可选“按满载电压定匝数”")));
    QCheckBox* full_load = window->choices_box()->full_load_turns();
    full_load->click();
    QVERIFY(main_->sheet_choices().choices().full_load_turns);
    QTRY_VERIFY(Turns(window, 1) > counted);
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("SheetNotes"))
                ->text()
                .contains(QStringLiteral("按满载电压定匝数：")));
    // The main window's turns are the calculation's still.
    QCOMPARE(main_->store().Text(Field::kSecondaryTurns),
             std::to_string(counted));
    full_load->click();
    QTRY_COMPARE(Turns(window, 1), counted);
  }

  void aTapTheRectifierNeedsIsShownNotTaken() {
    SheetWindow* window = SmallDesign();
    QCheckBox* tap = window->choices_box()->center_tap();
    QVERIFY(tap->isEnabled() && !tap->isChecked());
    window->dc_load()->kind()->setCurrentIndex(2);  // 全波
    QVERIFY(tap->isChecked());
    QVERIFY(!tap->isEnabled());
    QVERIFY(!tap->toolTip().isEmpty());
    // Another choice changed meanwhile leaves the user's own tap alone.
    window->choices_box()->full_load_turns()->click();
    QVERIFY(!main_->sheet_choices().choices().secondaries.main().center_tap);
    window->dc_load()->kind()->setCurrentIndex(0);  // 交流
    QVERIFY(tap->isEnabled() && !tap->isChecked());
  }

  void anExtraSecondaryTakesADcLoad() {
    SheetWindow* window = SmallDesign();
    window->AddSecondary();
    QTableWidget* extras = window->extras();
    QCOMPARE(extras->columnCount(), int{sheet_parts::kExtraColumns});
    QTableWidgetItem* kind = extras->item(0, sheet_parts::kLoadKind);
    // The kind's cell is edited with the four kinds.
    extras->setCurrentItem(kind);
    extras->editItem(kind);
    auto* editor =
        extras->findChild<QComboBox*>(QStringLiteral("ExtraLoadKind"));
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->count(), 4);
    editor->setCurrentIndex(3);  // 正负
    emit editor->activated(3);
    QCOMPARE(kind->text(), QStringLiteral("split"));
    extras->item(0, sheet_parts::kDcVoltage)->setText(QStringLiteral("15"));
    extras->item(0, sheet_parts::kDcCurrent)->setText(QStringLiteral("0.2"));

    const Secondary& extra =
        main_->sheet_choices().choices().secondaries.extras()[0];
    QCOMPARE(extra.load.kind, LoadKind::kSplit);
    QCOMPARE(extra.load.udc, std::string("15"));
    QCOMPARE(extra.load.idc, std::string("0.2"));
    QVERIFY(!extra.center_tap);
    // The AC cells rest; the tap is shown as the rectifier needs it.
    QVERIFY(
        !(extras->item(0, sheet_parts::kVoltage)->flags() & Qt::ItemIsEnabled));
    QCOMPARE(extras->item(0, sheet_parts::kCenterTap)->checkState(),
             Qt::Checked);
    // The sheet winds it for what the rectifier asks.
    window->Refresh();
    QTRY_COMPARE(window->model()->rowCount(), 3);
    QVERIFY(window->model()->index(2, 0).data().toString().startsWith(
        QStringLiteral("次级2")));
    QVERIFY(Turns(window, 2) > 0);
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::SheetChoicesTest)
#include "sheet_choices_test.moc"
