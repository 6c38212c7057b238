// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar clock: its text for a fixed moment under several locales, and
// the tick that writes it.
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "ui/main_window/clock_text.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/second_timer.h"

namespace spulix {

class MainWindowClockTest : public QObject {
  Q_OBJECT

 private:
  static QDateTime Moment(int year, int month, int day, int hour, int minute,
                          int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
  }

 private slots:

  void chinese_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("text");
    const QLocale china(QLocale::Chinese, QLocale::China);
    const QLocale c = QLocale::c();
    QTest::newRow("Tuesday afternoon") << china << Moment(2024, 1, 2, 14, 5, 9)
                                       << "2024年1月2日14:05:09星期二";
    QTest::newRow("morning") << china << Moment(2023, 12, 31, 9, 0, 0)
                             << "2023年12月31日9:00:00星期日";
    QTest::newRow("just after midnight")
        << china << Moment(2024, 3, 4, 0, 0, 1) << "2024年3月4日0:00:01星期一";
    QTest::newRow("Singapore")
        << QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript,
                   QLocale::Singapore)
        << Moment(2024, 1, 6, 23, 59, 59) << "2024年1月6日23:59:59星期六";
    QTest::newRow("C locale")
        << c << Moment(2024, 1, 2, 14, 5, 9) << "2024年1月2日14:05:09星期二";
  }
  void chinese() {
    QFETCH(QLocale, locale);
    QFETCH(QDateTime, now);
    QFETCH(QString, text);
    QCOMPARE(ClockText(now, locale), text);
  }

  // Other locales: long date, long time, day name, with the weekday once
  // and no time zone.
  void otherLocales_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
    QTest::newRow("zh_TW") << QLocale(QLocale::Chinese, QLocale::Taiwan);
    QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan);
  }
  void otherLocales() {
    QFETCH(QLocale, locale);
    const QDateTime now = Moment(2024, 1, 2, 14, 5, 9);
    const QString text = ClockText(now, locale);
    const QString day = locale.dayName(2, QLocale::LongFormat);
    QVERIFY2(text.endsWith(day), qPrintable(text));
    QCOMPARE(text.count(day), 1);
    QVERIFY2(text.contains(QStringLiteral("2024")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("05")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("09")), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("UTC")) &&
                 !text.contains(now.timeZoneAbbreviation()),
             qPrintable(text));
  }

  // Traditional Chinese keeps its own formats, without the time zone and
  // with its day period.
  void traditionalChinese() {
    const QLocale taiwan(QLocale::Chinese, QLocale::Taiwan);
    QCOMPARE(ClockText(Moment(2024, 1, 2, 14, 5, 9), taiwan),
             QStringLiteral("2024年1月2日下午2:05:09星期二"));
  }

  void englishReadsDateTimeDay() {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QString text = ClockText(Moment(2024, 1, 2, 14, 5, 9), us);
    QVERIFY2(text.startsWith(QStringLiteral("January 2, 2024")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("2:05:09")), qPrintable(text));
  }

  // The name of the day follows the date whatever day a week starts on.
  void dayNameFollowsTheDate() {
    const QLocale china(QLocale::Chinese, QLocale::China);
    const QStringList names = {"星期一", "星期二", "星期三", "星期四",
                               "星期五", "星期六", "星期日"};
    for (int day = 0; day < 7; ++day) {
      const QDateTime now = Moment(2024, 1, 1 + day, 12, 0, 0);  // a Monday
      QVERIFY(ClockText(now, china).endsWith(names[day]));
    }
  }

  void tickWritesTheClock() {
    QLocale::setDefault(QLocale::c());
    MainWindow window;
    auto* clock = window.findChild<QLabel*>(QStringLiteral("Label5"));
    QVERIFY(clock->text().isEmpty());
    const QPoint top_left = clock->pos();
    window.Timer1_Timer(Moment(2024, 1, 2, 14, 5, 9));
    QCOMPARE(clock->text(), QStringLiteral("2024年1月2日14:05:09星期二"));
    QCOMPARE(clock->pos(), top_left);
    QCOMPARE(clock->size(), clock->sizeHint());
    // Past midnight, the new date and day.
    window.Timer1_Timer(Moment(2024, 1, 3, 0, 0, 0));
    QCOMPARE(clock->text(), QStringLiteral("2024年1月3日0:00:00星期三"));
    // The running timer writes the current time within a few ticks.
    QTRY_VERIFY_WITH_TIMEOUT(
        clock->text().startsWith(QDate::currentDate().toString("yyyy年")),
        2000);
  }

  void msToNextSecond_data() {
    QTest::addColumn<qint64>("now");
    QTest::addColumn<int>("ms");
    QTest::newRow("on the change") << qint64{1'700'000'000'000} << 1000;
    QTest::newRow("just after") << qint64{1'700'000'000'001} << 999;
    QTest::newRow("half way") << qint64{1'700'000'000'500} << 500;
    QTest::newRow("just before") << qint64{1'700'000'000'999} << 1;
    QTest::newRow("before the epoch") << qint64{-1} << 1;
  }
  void msToNextSecond() {
    QFETCH(qint64, now);
    QFETCH(int, ms);
    QCOMPARE(SecondTimer::MsToNextSecond(now), ms);
  }

  // On a clock of its own: the first shot within the given delay, every
  // later one aimed at the next change of the second.
  void secondTimerAimsAtTheChange() {
    qint64 now = 1'700'000'000'990;
    QObject owner;
    SecondTimer timer(QStringLiteral("Timer1"), &owner, [&now] { return now; });
    auto* shot = owner.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(shot != nullptr);
    QVERIFY(shot->isSingleShot());
    QCOMPARE(shot->timerType(), Qt::PreciseTimer);
    timer.Start(50);
    QCOMPARE(shot->interval(), 10);  // the change comes first
    QSignalSpy ticks(&timer, &SecondTimer::Tick);
    now = 1'700'000'001'003;  // woken 3 ms after the change
    QVERIFY(ticks.wait(1000));
    QCOMPARE(ticks.size(), 1);
    QCOMPARE(ticks[0][0].toDateTime().toMSecsSinceEpoch(), now);
    QVERIFY(timer.IsActive());
    QCOMPARE(shot->interval(), 997);
    // A clock set back a little: the next shot still lands on a change.
    now = 1'700'000'001'999;
    timer.Start(50);
    QCOMPARE(shot->interval(), 1);
    now = 1'700'000'001'200;
    timer.Start(50);
    QCOMPARE(shot->interval(), 50);
  }

  // The open window: the label shows each new second as it begins, and the
  // timer wakes once a second, not twenty times.
  void clockChangesWithTheSecond() {
    QLocale::setDefault(QLocale::c());
    MainWindow window;
    auto* clock = window.findChild<QLabel*>(QStringLiteral("Label5"));
    auto* timer = window.findChild<SecondTimer*>();
    QVERIFY(timer != nullptr);
    QList<qint64> late_ms;
    QStringList shown;
    connect(timer, &SecondTimer::Tick, this, [&](const QDateTime& now) {
      late_ms << QDateTime::currentMSecsSinceEpoch() % 1000;
      shown << clock->text();
      QCOMPARE(clock->text(), ClockText(now, QLocale()));
    });
    QTest::qWait(3300);
    // The first tick at start, then one at each of the three or four
    // changes of the second.
    QVERIFY2(late_ms.size() >= 3 && late_ms.size() <= 5,
             qPrintable(QString::number(late_ms.size())));
    for (qsizetype i = 1; i < late_ms.size(); ++i) {
      QVERIFY2(late_ms[i] < 200, qPrintable(QString::number(late_ms[i])));
      QVERIFY(shown[i] != shown[i - 1]);
    }
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::MainWindowClockTest)
#include "main_window_clock_test.moc"
