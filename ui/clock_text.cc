#include "ui/clock_text.h"

namespace spulix {
namespace {

bool IsSimplifiedChinese(const QLocale& locale) {
  if (locale.language() == QLocale::C) return true;
  return locale.language() == QLocale::Chinese &&
         locale.script() != QLocale::TraditionalChineseScript;
}

// Removes every run of the pattern letter `letter` of at least `min_count`
// letters from a date or time format, with the blanks and punctuation that
// tie it to its neighbours. Quoted literals are kept as they are.
QString DropField(const QString& format, QChar letter, int min_count) {
  QString out;
  bool quoted = false;
  bool dropped = false;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    if (c == u'\'') {
      quoted = !quoted;
      out += c;
      ++i;
      continue;
    }
    if (!quoted && c == letter) {
      qsizetype end = i;
      while (end < format.size() && format[end] == letter) ++end;
      if (end - i >= min_count) {
        i = end;
        dropped = true;
        continue;
      }
      out += format.mid(i, end - i);
      i = end;
      continue;
    }
    out += c;
    ++i;
  }
  if (!dropped) return format;
  // Trims the separators left behind at either end and doubled inside.
  const auto is_separator = [](QChar c) {
    return c.isSpace() || c == u',' || c == u'،' || c == u'，';
  };
  while (!out.isEmpty() && is_separator(out.front())) out.remove(0, 1);
  while (!out.isEmpty() && is_separator(out.back())) out.chop(1);
  out.replace(QStringLiteral(", ,"), QStringLiteral(","));
  out.replace(QStringLiteral("  "), QStringLiteral(" "));
  return out;
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
  // The day name comes last, so a weekday inside the long date goes.
  const QString date_format =
      DropField(locale.dateFormat(QLocale::LongFormat), u'd', 3);
  const QString time_format =
      DropField(locale.timeFormat(QLocale::LongFormat), u't', 1);
  return locale.toString(date, date_format) +
         locale.toString(time, time_format) +
         locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
}

}  // namespace spulix
