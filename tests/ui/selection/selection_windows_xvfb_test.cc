// SPDX-License-Identifier: GPL-3.0-or-later
// The core and wire windows on a real X server: the rows that matter are in
// view when they open, and the text fits its columns. With
// SPULIX_SCREENSHOT_DIR set, screenshots of both windows are written there
// (core-window.png, wire-window.png).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "design/design_calculation.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_commands.h"
#include "ui/selection/core_table_model.h"
#include "ui/selection/core_window.h"
#include "ui/selection/selection_windows.h"
#include "ui/selection/wire_table_model.h"
#include "ui/selection/wire_window.h"

namespace spulix {
namespace {

void Settle() { QTest::qWait(300); }

// The row is wholly inside the table's visible area.
bool RowInView(QTableView* table, int row) {
  const QRect rect = table->visualRect(table->model()->index(row, 0));
  return table->viewport()->rect().contains(rect);
}

// Every column is at least as wide as its header text and its cells need.
bool ColumnsFitTheirText(QTableView* table) {
  for (int column = 0; column < table->model()->columnCount(); ++column) {
    if (table->columnWidth(column) <
            static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column) ||
        table->columnWidth(column) <
            table->horizontalHeader()->sectionSizeHint(column)) {
      return false;
    }
  }
  return true;
}

bool SaveScreenshot(QWidget* window, const char* name) {
  const QString dir = qEnvironmentVariable("SPULIX_SCREENSHOT_DIR");
  if (dir.isEmpty()) return true;
  const QRect area = window->frameGeometry();
  return QGuiApplication::primaryScreen()
      ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
      .save(QDir(dir).filePath(QString::fromLatin1(name)));
}

}  // namespace

class SelectionWindowsXvfbTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
      QSKIP("needs an X server (run under xvfb-run)");
    }
  }

  void windowsShowWhatMattersAtOnce() {
    QTemporaryDir home;
    MainWindow main;
    SelectionWindows* windows = &main.selection_windows();
    windows->SetUserCoreFile(home.filePath(QStringLiteral("cores.csv")));
    main.store().SetMessageSink([](std::string_view) {});
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("Command9")),
                      Qt::LeftButton);
    CalculateDesign(main.store());

    main.findChild<QAction*>(QStringLiteral("BZTX"))->trigger();
    CoreWindow* cores = windows->cores();
    QVERIFY(QTest::qWaitForWindowExposed(cores));
    cores->move(20, 20);
    Settle();
    const auto smallest = cores->model()->by_sheet().smallest_buildable;
    QVERIFY(smallest.has_value());
    QVERIFY(RowInView(cores->table(), static_cast<int>(*smallest)));
    QCOMPARE(cores->table()->currentIndex().row(), static_cast<int>(*smallest));
    QVERIFY(ColumnsFitTheirText(cores->table()));
    QVERIFY(SaveScreenshot(cores, "core-window.png"));
    cores->close();

    main.findChild<QAction*>(QStringLiteral("BZQBX"))->trigger();
    WireWindow* wires = windows->wires();
    QVERIFY(QTest::qWaitForWindowExposed(wires));
    wires->move(20, 20);
    Settle();
    QVERIFY(RowInView(wires->table(),
                      static_cast<int>(*wires->model()->mark_d1())));
    QVERIFY(RowInView(wires->table(),
                      static_cast<int>(*wires->model()->mark_d2())));
    QVERIFY(ColumnsFitTheirText(wires->table()));
    QVERIFY(SaveScreenshot(wires, "wire-window.png"));
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::SelectionWindowsXvfbTest)
#include "selection_windows_xvfb_test.moc"
