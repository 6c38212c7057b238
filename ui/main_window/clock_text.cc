// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/clock_text.h"

namespace spulix {
namespace {

bool IsSimplifiedChinese(const QLocale& locale) {
  if (locale.language() == QLocale::C) return true;
  return locale.language() == QLocale::Chinese &&
         locale.script() != QLocale::TraditionalChineseScript;
}

// Rewrites the runs of unquoted pattern letters of a date or time format:
// `rewrite` gets the letter and the run's length and returns the text that
// replaces the run (the run itself to keep it). Quoted literals are kept.
template <typename Rewrite>
QString RewriteRuns(const QString& format, Rewrite rewrite) {
  QString out;
  bool quoted = false;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    if (c == u'\'') quoted = !quoted;
    if (quoted || !c.isLetter() || c == u'\'') {
      out += c;
      ++i;
      continue;
    }
    qsizetype end = i;
    while (end < format.size() && format[end] == c) ++end;
    out += rewrite(c, static_cast<int>(end - i));
    i = end;
  }
  return out;
}

// Tidies what a dropped field leaves behind: empty brackets, doubled or
// trailing blanks and commas.
QString Tidy(QString format) {
  format.remove(QStringLiteral("[]"));
  format.remove(QStringLiteral("()"));
  const auto is_separator = [](QChar c) {
    return c.isSpace() || c == u',' || c == u'\u060C' || c == u'\uFF0C';
  };
  while (!format.isEmpty() && is_separator(format.front())) format.remove(0, 1);
  while (!format.isEmpty() && is_separator(format.back())) format.chop(1);
  format.replace(QStringLiteral(", ,"), QStringLiteral(","));
  format.replace(QStringLiteral("  "), QStringLiteral(" "));
  return format;
}

// The long date without its weekday: the day name comes last.
QString DateFormat(const QLocale& locale) {
  return Tidy(
      RewriteRuns(locale.dateFormat(QLocale::LongFormat), [](QChar c, int n) {
        return c == u'd' && n >= 3 ? QString() : QString(n, c);
      }));
}

// The long time without a time zone; day periods that Qt does not know
// ("B") are written as AM/PM.
QString TimeFormat(const QLocale& locale) {
  return Tidy(
      RewriteRuns(locale.timeFormat(QLocale::LongFormat), [](QChar c, int n) {
        if (c == u't') return QString();
        if (c == u'B') return QStringLiteral("AP");
        return QString(n, c);
      }));
}

}  // namespace

QString ClockText(const QDateTime& now, const QLocale& locale) {
  const QDate date = now.date();
  const QTime time = now.time();
  if (IsSimplifiedChinese(locale)) {
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript,
                          QLocale::China);
    return chinese.toString(date, QStringLiteral("yyyy年M月d日")) +
           chinese.toString(time, QStringLiteral("H:mm:ss")) +
           chinese.dayName(date.dayOfWeek(), QLocale::LongFormat);
  }
  return locale.toString(date, DateFormat(locale)) +
         locale.toString(time, TimeFormat(locale)) +
         locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
}

QString EnglishClockText(const QDateTime& now) {
  return QLocale::c().toString(now, QStringLiteral("ddd d MMM yyyy HH:mm:ss"));
}

}  // namespace spulix
