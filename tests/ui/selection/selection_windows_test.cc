// SPDX-License-Identifier: GPL-3.0-or-later
// The menu 选型 and its windows on the real main window: the cores judged
// for the design as it stands, 使用, the user's own cores and their file,
// the wire table and 用于 d1 / d2.
#include "ui/selection/selection_windows.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/parts/core_selection.h"
#include "design/parts/wire_table.h"
#include "design/sheet/winding_sheet.h"
#include "design/winding_build_up.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_commands.h"
#include "ui/selection/core_edit_dialog.h"
#include "ui/selection/core_table_model.h"
#include "ui/selection/core_window.h"
#include "ui/selection/wire_table_model.h"
#include "ui/selection/wire_window.h"
#include "ui/store/design_sheet_choices.h"

namespace spulix {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& content) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(content);
}

QString Cell(QAbstractItemModel* model, int row, int column) {
  return model->index(row, column).data().toString();
}

}  // namespace

class SelectionWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<MainWindow> main_;
  SelectionWindows* windows_ = nullptr;
  std::vector<std::string> messages_;
  QStringList window_messages_;

  QString CoreFile() const {
    return home_->filePath(QStringLiteral("cores.csv"));
  }

  void Open(const QString& core_file = QString()) {
    main_ = std::make_unique<MainWindow>();
    windows_ = &main_->selection_windows();
    windows_->SetUserCoreFile(core_file.isEmpty() ? CoreFile() : core_file);
    main_->store().SetMessageSink(
        [this](std::string_view text) { messages_.emplace_back(text); });
    main_->show();
  }

  CoreWindow* Cores() {
    main_->findChild<QAction*>(QStringLiteral("BZTX"))->trigger();
    CoreWindow* window = windows_->cores();
    window->SetMessageSink(
        [this](const QString& text) { window_messages_ << text; });
    return window;
  }

  void TestButton() {
    QTest::mouseClick(
        main_->findChild<QPushButton*>(QStringLiteral("Command9")),
        Qt::LeftButton);
    CalculateDesign(main_->store());  // with the insulation
    QCoreApplication::processEvents();
  }

  // The open editor of the window (closed ones are gone first).
  static CoreEditDialog* Editor(CoreWindow* window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window->findChild<CoreEditDialog*>();
  }

  int RowOf(CoreWindow* window, const char* name) {
    const auto row = window->catalogue().FindByName(name);
    return row ? static_cast<int>(*row) : -1;
  }

 private slots:
  void initTestCase() {
    // The user's data folder goes to a scratch folder, never the real home.
    QStandardPaths::setTestModeEnabled(true);
  }

  void init() {
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(home_->isValid());
    messages_.clear();
    window_messages_.clear();
  }

  void cleanup() {
    main_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void menuSitsBetweenEditAndHelp() {
    Open();
    QStringList titles;
    for (QAction* action : main_->menuBar()->actions()) {
      titles << action->menu()->title();
    }
    QCOMPARE(titles, QStringList({"文件", "查询", "编辑", "选型", "帮助"}));
    auto* menu = main_->findChild<QMenu*>(QStringLiteral("XX"));
    QVERIFY(menu);
    QStringList items;
    for (QAction* action : menu->actions()) items << action->text();
    QCOMPARE(items, QStringList({"标准铁心…", "标准漆包线…", "绕制单…"}));
  }

  void eachWindowOpensOnce() {
    Open();
    CoreWindow* cores = Cores();
    QCOMPARE(Cores(), cores);
    QCOMPARE(cores->windowTitle(), QStringLiteral("标准铁心"));
    main_->findChild<QAction*>(QStringLiteral("BZQBX"))->trigger();
    WireWindow* wires = windows_->wires();
    QVERIFY(wires && wires->isVisible());
    wires->showMinimized();
    main_->findChild<QAction*>(QStringLiteral("BZQBX"))->trigger();
    QCOMPARE(windows_->wires(), wires);
    QVERIFY(!wires->isMinimized());
    // Escape closes; the next opening makes a new window.
    QTest::keyClick(cores->table(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(windows_->cores() == nullptr);
    QVERIFY(Cores() != nullptr);
  }

  void followsTheDesignAndSaysWhatIsMissing() {
    Open();
    CoreWindow* window = Cores();
    QVERIFY(window->summary()->text().startsWith(
        QStringLiteral("无法判断：缺少输出功率 P2")));
    QCOMPARE(Cell(window->model(), 0, CoreTableModel::kVerdict),
             QStringLiteral("—"));

    TestButton();
    const CoreSelection expected =
        SelectCore(CopyTexts(main_->store()), window->catalogue().cores());
    QVERIFY(expected.smallest_fit.has_value());
    const int smallest = static_cast<int>(*expected.smallest_fit);
    const std::optional<std::size_t> buildable =
        JudgeCoresBySheet(CopyTexts(main_->store()), {},
                          window->catalogue().cores())
            .smallest_buildable;
    QVERIFY(buildable.has_value());
    // The table follows once the changes pause; the star is the sheet's.
    QTRY_COMPARE(Cell(window->model(), static_cast<int>(*buildable),
                      CoreTableModel::kSheetVerdict),
                 QStringLiteral("可用 ★最小"));
    QCOMPARE(Cell(window->model(), smallest, CoreTableModel::kVerdict),
             QStringLiteral("可用"));
    QVERIFY(window->summary()->text().contains(QString::fromStdString(
        window->catalogue().cores()[*expected.smallest_fit].name)));
    for (int row = 0; row < window->model()->rowCount(); ++row) {
      QCOMPARE(Cell(window->model(), row, CoreTableModel::kCoil).toStdString(),
               expected.results[static_cast<std::size_t>(row)].coil_thickness);
    }

    // Typing in P2 moves the judgement along.
    const QString before =
        Cell(window->model(), smallest, CoreTableModel::kCoil);
    QLineEdit* p2 = main_->field(Field::kOutputPower);
    p2->setFocus();
    p2->end(false);
    QTest::keyClick(p2, Qt::Key_0);  // 2500 W: beyond the cores' range
    QTRY_VERIFY(window->summary()->text().contains(QStringLiteral("1000 瓦")));
    QTest::keyClick(p2, Qt::Key_Backspace);
    QTRY_COMPARE(Cell(window->model(), smallest, CoreTableModel::kCoil),
                 before);
  }

  // The sheet's columns judge every core with the design's sheet choices;
  // the star and the first selection go to the smallest core the sheet
  // winds, and follow the choices as they change.
  void sheetColumnsAndStarFollowTheChoices_data() {
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("extra");  // "U,I" of one extra secondary
    QTest::addColumn<QString>("star");
    QTest::newRow("defaults") << 2 << QString() << "EI-114";
    QTest::newRow("grade 1") << 1 << QString() << "EI-105";
    QTest::newRow("12 V 2 A more") << 2 << "12,2"
                                   << "EI-120";
  }
  void sheetColumnsAndStarFollowTheChoices() {
    QFETCH(int, grade);
    QFETCH(QString, extra);
    QFETCH(QString, star);
    Open();
    for (const auto& [field, text] : {std::pair{Field::kInputVoltage, "220"},
                                      std::pair{Field::kOutputVoltage, "24"},
                                      std::pair{Field::kOutputPower, "150"}}) {
      main_->field(field)->setText(QString::fromLatin1(text));
    }
    CoreWindow* window = Cores();
    // The traditional rule takes EI-96; the sheet's defaults need EI-114.
    const auto name = [window](int row) {
      return QString::fromStdString(
          window->catalogue().cores()[static_cast<std::size_t>(row)].name);
    };
    QCOMPARE(name(window->table()->currentIndex().row()),
             QStringLiteral("EI-114"));
    QVERIFY(window->summary()->text().contains(QStringLiteral("EI-96")));
    QVERIFY(window->summary()->text().contains(QStringLiteral("EI-114（★）")));
    QCOMPARE(Cell(window->model(), RowOf(window, "EI-96"),
                  CoreTableModel::kSheetVerdict),
             QStringLiteral("不可用"));

    SheetChoices choices;
    choices.enamel_grade = grade;
    if (!extra.isEmpty()) {
      const QStringList parts = extra.split(QLatin1Char(','));
      choices.secondaries.AddExtra(
          {parts[0].toStdString(), parts[1].toStdString(), false});
    }
    main_->sheet_choices().Set(choices);
    const int row = RowOf(window, star.toLatin1().constData());
    QTRY_COMPARE(Cell(window->model(), row, CoreTableModel::kSheetVerdict),
                 QStringLiteral("可用 ★最小"));
    const SheetCoreSelection judged = JudgeCoresBySheet(
        CopyTexts(main_->store()), choices, window->catalogue().cores());
    for (int r = 0; r < window->model()->rowCount(); ++r) {
      const auto& result = judged.results[static_cast<std::size_t>(r)];
      QCOMPARE(Cell(window->model(), r, CoreTableModel::kSheetCoil),
               result.coil_mm ? QString::fromStdString(FormatPattern(
                                    *result.coil_mm, Pattern::kTwoDecimals))
                              : QStringLiteral("—"));
    }
    // A window opened now starts on the starred core.
    window->close();
    QCOMPARE(name(Cores()->table()->currentIndex().row()), star);
  }

  // Enter on a row does what typing its h, c and a and Refresh would do.
  void useFillsTheCoreAndRecalculates() {
    Open();
    TestButton();
    CoreWindow* window = Cores();
    const int row = RowOf(window, "EI-96");
    const QString coil = Cell(window->model(), row, CoreTableModel::kCoil);
    MemoryStore typed;
    typed.LoadTexts(CopyTexts(main_->store()));
    const std::pair<Field, const char*> ei96[] = {{Field::kWindowHeight, "48"},
                                                  {Field::kWindowWidth, "16"},
                                                  {Field::kTongueWidth, "32"}};
    for (const auto& [field, text] : ei96) typed.SetText(field, text);
    CalculateDesign(typed);

    window->table()->setCurrentIndex(window->model()->index(row, 0));
    QTest::keyClick(window->table(), Qt::Key_Return);
    for (int n = 1; n <= kFieldCount; ++n) {
      QCOMPARE(main_->store().Text(FieldFromNumber(n)),
               typed.Text(FieldFromNumber(n)));
    }
    for (Caption caption : {Caption::kWidthFigure, Caption::kTongueFigure,
                            Caption::kHeightFigure}) {
      QCOMPARE(main_->store().CaptionText(caption), typed.CaptionText(caption));
    }
    QCOMPARE(QString::fromStdString(main_->store().Text(Field::kCoilThickness)),
             coil);
    QVERIFY(messages_.empty());
  }

  void userCoresAreAddedChangedAndRemovedInTheirFile() {
    Open();
    TestButton();
    CoreWindow* window = Cores();
    const int shipped = window->model()->rowCount();
    QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("RemoveCore"))
                 ->isEnabled());

    window->AddCore();
    auto* dialog = Editor(window);
    QVERIFY(dialog && dialog->isVisible());
    const char* refused[] = {"ei-96", "60", "40", "120"};
    for (int i = 0; i < 4; ++i) dialog->field(i)->setText(refused[i]);
    dialog->accept();
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->error().contains(QStringLiteral("已经存在")));
    dialog->field(0)->setText(QStringLiteral("大铁心"));
    dialog->field(2)->setText(QStringLiteral("0"));
    dialog->accept();
    QVERIFY(dialog->error().contains(QStringLiteral("c 必须大于 0")));
    dialog->field(2)->setText(QStringLiteral("40"));
    dialog->accept();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(window->model()->rowCount(), shipped + 1);
    QCOMPARE(Cell(window->model(), shipped, CoreTableModel::kVerdict),
             QStringLiteral("可用"));
    QVERIFY(ReadAll(CoreFile()).contains("大铁心,60,40,120"));

    window->EditSelected();
    dialog = Editor(window);
    QVERIFY(dialog);
    QCOMPARE(dialog->field(1)->text(), QStringLiteral("60"));
    dialog->field(1)->setText(QStringLiteral("61"));
    dialog->accept();
    QVERIFY(ReadAll(CoreFile()).contains("大铁心,61,40,120"));

    // A built-in core cannot be removed; the user's own goes after a yes.
    QStringList questions;
    window->SetConfirmation([&](const QString& q) {
      questions << q;
      return true;
    });
    window->table()->setCurrentIndex(window->model()->index(0, 0));
    QTest::keyClick(window->table(), Qt::Key_Delete);
    QCOMPARE(window_messages_, QStringList({"标准铁心不能删除。"}));
    QCOMPARE(window->model()->rowCount(), shipped + 1);
    window->table()->setCurrentIndex(window->model()->index(shipped, 0));
    QTest::keyClick(window->table(), Qt::Key_Delete);
    QCOMPARE(questions, QStringList({"删除自定义铁心“大铁心”？"}));
    QCOMPARE(window->model()->rowCount(), shipped);
    QVERIFY(!ReadAll(CoreFile()).contains("大铁心"));
  }

  // Bad rows are named, good rows load, and the file stays as it was until
  // the user changes the list; then the original is kept beside it.
  void damagedFileLosesNothing() {
    const QByteArray damaged =
        "name,tongue_a_mm,window_width_c_mm,window_height_h_mm\n"
        "Good-1,50,30,90\nBad,abc,1,1\nGood-2,55,30,90\n";
    Write(CoreFile(), damaged);
    Open();
    CoreWindow* window = Cores();
    QVERIFY(window->notice()->isVisible());
    QVERIFY(window->notice()->text().contains(
        QStringLiteral("第 3 行：a“abc”不是数字")));
    QVERIFY(RowOf(window, "Good-1") >= 0 && RowOf(window, "Good-2") >= 0);
    window->close();
    QCOMPARE(ReadAll(CoreFile()), damaged);

    window = Cores();
    window->AddCore();
    auto* dialog = Editor(window);
    const char* texts[] = {"New", "40", "20", "60"};
    for (int i = 0; i < 4; ++i) dialog->field(i)->setText(texts[i]);
    dialog->accept();
    QCOMPARE(window->file().backup_path(), CoreFile() + QStringLiteral(".bak"));
    QCOMPARE(ReadAll(window->file().backup_path()), damaged);
    const QByteArray now = ReadAll(CoreFile());
    QVERIFY(now.contains("Good-1") && now.contains("Good-2") &&
            now.contains("New"));
  }

  void unreadableFileCannotBeOverwritten() {
    QVERIFY(QDir().mkpath(CoreFile()));  // a folder where the file should be
    Open();
    CoreWindow* window = Cores();
    QVERIFY(window->notice()->text().startsWith(
        QStringLiteral("无法读取自定义铁心文件")));
    QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("AddCore"))
                 ->isEnabled());
    QCOMPARE(window->model()->rowCount(),
             static_cast<int>(BuiltInCores().size()));
  }

  void unwritableFileUndoesTheChange() {
    Write(home_->filePath(QStringLiteral("blocker")), "a file");
    Open(home_->filePath(QStringLiteral("blocker/cores.csv")));
    CoreWindow* window = Cores();
    const int shipped = window->model()->rowCount();
    window->AddCore();
    auto* dialog = Editor(window);
    const char* texts[] = {"New", "40", "20", "60"};
    for (int i = 0; i < 4; ++i) dialog->field(i)->setText(texts[i]);
    dialog->accept();
    QCOMPARE(window_messages_.size(), 1);
    QVERIFY(
        window_messages_[0].startsWith(QStringLiteral("无法保存自定义铁心")));
    QCOMPARE(window->model()->rowCount(), shipped);
  }

  void wireTableMarksAndUsesStandardSizes() {
    Open();
    main_->findChild<QAction*>(QStringLiteral("BZQBX"))->trigger();
    WireWindow* window = windows_->wires();
    // Before any calculation the fields hold nothing: no marks, and 用于 d1
    // answers like a double-click on an empty build-up.
    QVERIFY(!window->model()->mark_d1() && !window->model()->mark_d2());
    TestButton();
    QCOMPARE(QString::fromStdString(
                 StandardWires()[*window->model()->mark_d1()].nominal_text),
             QStringLiteral("0.850"));
    QCOMPARE(QString::fromStdString(
                 StandardWires()[*window->model()->mark_d2()].nominal_text),
             QStringLiteral("1.900"));
    QVERIFY(window->summary()->text().contains(
        QStringLiteral("d1 = 0.84 毫米 → 标准线径 0.850 毫米")));
    // The table has no grade 2 value for 0.850: the bound the sheet uses.
    QCOMPARE(
        Cell(window->model(), static_cast<int>(*window->model()->mark_d1()),
             WireTableModel::kGrade2),
        QStringLiteral("≤0.989"));

    MemoryStore expected;
    expected.LoadTexts(CopyTexts(main_->store()));
    expected.SetText(Field::kPrimaryWireDiameter, "0.9");
    RecalculateBuildUp(expected);
    const int row = static_cast<int>(*NextStandardWire(0.9));
    window->table()->setCurrentIndex(window->model()->index(row, 0));
    QTest::mouseClick(
        window->findChild<QPushButton*>(QStringLiteral("UseForD1")),
        Qt::LeftButton);
    for (int n = 1; n <= kFieldCount; ++n) {
      QCOMPARE(main_->store().Text(FieldFromNumber(n)),
               expected.Text(FieldFromNumber(n)));
    }
    QCoreApplication::processEvents();
    QCOMPARE(window->model()->mark_d1(), std::optional<std::size_t>(row));
    QCOMPARE(Cell(window->model(), row, WireTableModel::kMark),
             QStringLiteral("d1"));
  }

  void wireButtonsApplyTheirOwnMarkUntilTheUserPicks() {
    Open();
    // Marks far apart: they cannot both be in view.
    main_->field(Field::kPrimaryWireDiameter)->setText(QStringLiteral("0.06"));
    main_->field(Field::kSecondaryWireDiameter)->setText(QStringLiteral("3"));
    main_->findChild<QAction*>(QStringLiteral("BZQBX"))->trigger();
    WireWindow* window = windows_->wires();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const std::size_t d1 = *window->model()->mark_d1();
    const std::size_t d2 = *window->model()->mark_d2();
    QTRY_COMPARE(window->table()->currentIndex().row(), static_cast<int>(d1));
    QTableView* table = window->table();
    QVERIFY(table->viewport()->rect().intersects(
        table->visualRect(table->currentIndex())));

    // Unpicked, each button applies its own marked row.
    window->UseFor(Field::kSecondaryWireDiameter);
    QCOMPARE(main_->store().Text(Field::kSecondaryWireDiameter),
             DimensionText(StandardWires()[d2].nominal_mm));
    window->UseFor(Field::kPrimaryWireDiameter);
    QCOMPARE(main_->store().Text(Field::kPrimaryWireDiameter),
             DimensionText(StandardWires()[d1].nominal_mm));

    // A row the user picks goes into either field.
    QCoreApplication::processEvents();
    const int picked = static_cast<int>(d1 + 3);
    table->setCurrentIndex(window->model()->index(picked, 0));
    window->UseFor(Field::kSecondaryWireDiameter);
    QCOMPARE(main_->store().Text(Field::kSecondaryWireDiameter),
             DimensionText(StandardWires()[picked].nominal_mm));
  }

  void wireForEmptyBuildUpShowsTheRecalculationsMessage() {
    Open();
    main_->findChild<QAction*>(QStringLiteral("BZQBX"))->trigger();
    WireWindow* window = windows_->wires();
    window->table()->setCurrentIndex(window->model()->index(0, 0));
    window->UseFor(Field::kSecondaryWireDiameter);
    QCOMPARE(main_->store().Text(Field::kSecondaryWireDiameter),
             std::string("0.05"));
    MemoryStore expected;
    expected.SetText(Field::kSecondaryWireDiameter, "0.05");
    RecalculateBuildUp(expected);
    QCOMPARE(messages_, expected.messages());
    QVERIFY(!messages_.empty());
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::SelectionWindowsTest)
#include "selection_windows_test.moc"
