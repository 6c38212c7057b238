// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the toolbar clock.
#ifndef SPULIX_UI_MAIN_WINDOW_CLOCK_TEXT_H_
#define SPULIX_UI_MAIN_WINDOW_CLOCK_TEXT_H_

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace spulix {

// The long date, the long time and the full day name run together with no
// separator, e.g. "2024年1月2日14:05:09星期二". Simplified Chinese, the
// program's language, is also used for the C locale. Other locales give
// their own long date and time without a time zone, and the day name once.
QString ClockText(const QDateTime& now, const QLocale& locale);
// The same information in English, whatever the locale:
// "Thu 10 Dec 2026 01:20:28".
QString EnglishClockText(const QDateTime& now);

}  // namespace spulix

#endif  // SPULIX_UI_MAIN_WINDOW_CLOCK_TEXT_H_
