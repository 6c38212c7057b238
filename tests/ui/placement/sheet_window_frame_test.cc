// SPDX-License-Identifier: GPL-3.0-or-later
// The 绕制单 window under a real window manager on a 1366 × 768 laptop
// screen (run by with_openbox.sh): its frame, title bar included, lies
// wholly on the screen, in either language every column of its table is in
// view at its default size, and a size the user gave it comes back.
#include <QAction>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <QtTest>
#include <optional>
#include <string_view>

#include "ui/language/language.h"
#include "ui/main_window/main_window.h"
#include "ui/selection/selection_windows.h"
#include "ui/sheet/sheet_window.h"
#include "ui/store/design_sheet_choices.h"
#include "ui/store/qt_field_store.h"

namespace spulix {
namespace {

QString Described(const QRect& frame, const QRect& screen) {
  return QStringLiteral("frame %1,%2 %3×%4 on %5×%6")
      .arg(frame.x())
      .arg(frame.y())
      .arg(frame.width())
      .arg(frame.height())
      .arg(screen.width())
      .arg(screen.height());
}

// The frame the window manager drew around the window, from the extents it
// publishes on the client window (_NET_FRAME_EXTENTS: left, right, top,
// bottom), or none before it has framed the window. Qt's own frame
// geometry can miss a frame drawn while it was looking, so the test asks
// the X server.
std::optional<QRect> WindowManagerFrame(const QWidget& window) {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"),
              {QStringLiteral("-id"), QString::number(window.winId()),
               QStringLiteral("_NET_FRAME_EXTENTS")});
  if (!xprop.waitForFinished(5000)) return std::nullopt;
  const QString out = QString::fromLocal8Bit(xprop.readAllStandardOutput());
  const qsizetype equals = out.indexOf(QLatin1Char('='));
  if (equals < 0) return std::nullopt;
  const QStringList parts = out.mid(equals + 1).split(QLatin1Char(','));
  if (parts.size() != 4) return std::nullopt;
  int extent[4] = {};
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    extent[i] = parts[i].trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
  }
  if (extent[2] <= 0) return std::nullopt;  // no title bar yet
  return window.geometry().adjusted(-extent[0], -extent[2], extent[1],
                                    extent[3]);
}

// The frame once the window manager has framed and placed it.
QRect SettledFrame(const QWidget& window) {
  QRect last;
  for (int stable = 0, n = 0; stable < 5 && n < 100; ++n) {
    QTest::qWait(50);
    const QRect now = WindowManagerFrame(window).value_or(QRect());
    stable = now == last && !now.isNull() ? stable + 1 : 0;
    last = now;
  }
  return last;
}

}  // namespace

class SheetWindowFrameTest : public QObject {
  Q_OBJECT

 private slots:
  // Opened before anything is typed, when the table has only its captions:
  // as wide as those need, not as the columns' default widths add up,
  // and never wider than the screen.
  void opensOnTheScreenBeforeThereIsASheet() {
    MainWindow main;
    main.store().SetMessageSink([](std::string_view) {});
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QRect screen = main.screen()->geometry();
    main.findChild<QAction*>(QStringLiteral("RZD"))->trigger();
    SheetWindow* sheet = main.selection_windows().sheet();
    QVERIFY(sheet != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    QTRY_VERIFY_WITH_TIMEOUT(WindowManagerFrame(*sheet).has_value(), 15000);
    const QRect frame = SettledFrame(*sheet);
    QVERIFY2(screen.contains(frame), qPrintable(Described(frame, screen)));
    // The next case starts from the default size, not this one.
    sheet->close();
    QSettings(QStringLiteral("Spulix"), QStringLiteral("Spulix"))
        .remove(sheet->objectName() + QStringLiteral("/size"));
  }

  void opensWhollyOnTheLaptopScreen() {
    MainWindow main;
    main.store().SetMessageSink([](std::string_view) {});
    // The sample design with two extra secondaries: a full table.
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("Command9")),
                      Qt::LeftButton);
    SheetChoices choices;
    choices.secondaries.SetExtras({{"6.3", "2", false}, {"12", "1", true}});
    main.sheet_choices().Set(choices);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QRect screen = main.screen()->geometry();
    QCOMPARE(screen.size(), QSize(1366, 768));
    main.findChild<QAction*>(QStringLiteral("RZD"))->trigger();
    SheetWindow* sheet = main.selection_windows().sheet();
    QVERIFY(sheet != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    // The window manager's frame is there: the title bar above the client.
    QTRY_VERIFY_WITH_TIMEOUT(WindowManagerFrame(*sheet).has_value(), 15000);
    const QRect frame = SettledFrame(*sheet);
    // Every column in view: English, whose captions are longer, widens the
    // window rather than scrolling the table sideways.
    const auto fits = [sheet] {
      QTableView* table = sheet->windings();
      return table->horizontalHeader()->length() <= table->viewport()->width();
    };
    QTRY_VERIFY(fits());
    QVERIFY(ApplyLanguage(Language::kEnglish));
    QTRY_VERIFY(fits());
    const QRect english = SettledFrame(*sheet);
    QVERIFY2(screen.contains(english), qPrintable(Described(english, screen)));
    QVERIFY(ApplyLanguage(Language::kChinese));
    QVERIFY2(screen.contains(frame), qPrintable(Described(frame, screen)));

    // Made smaller by the user, it opens at that size next time.
    const QSize smaller = sheet->size() - QSize(120, 80);
    sheet->resize(smaller);
    QTRY_COMPARE(sheet->size(), smaller);
    sheet->close();
    QTRY_VERIFY(main.selection_windows().sheet() == nullptr ||
                !main.selection_windows().sheet()->isVisible());
    main.findChild<QAction*>(QStringLiteral("RZD"))->trigger();
    SheetWindow* again = main.selection_windows().sheet();
    QVERIFY(QTest::qWaitForWindowExposed(again));
    QTRY_COMPARE(again->size(), smaller);
    QVERIFY(screen.contains(SettledFrame(*again)));
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::SheetWindowFrameTest)
#include "sheet_window_frame_test.moc"
