#include "actions/countdown_time.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <cmath>

// Qt has no day-count date type: QDateTime counts milliseconds and has no rule for the
// time of day of a negative number. The few steps of that arithmetic are written here;
// reading and writing the dates and times themselves is left to QLocale and QTime.

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

QDate dayZero() {
  return {1899, 12, 30};
}

// The separator the locale writes between hours and minutes, when it is a punctuation
// mark ("." in Finnish); a colon otherwise.
QChar localeTimeSeparator(const QLocale& locale) {
  const QString format = locale.timeFormat(QLocale::LongFormat);
  qsizetype at = format.indexOf(QRegularExpression(QStringLiteral("[hH]")));
  if (at < 0) return u':';
  while (at < format.size() && (format[at] == u'h' || format[at] == u'H')) ++at;
  return at < format.size() && format[at].isPunct() ? format[at] : QChar(u':');
}

std::optional<int> parseTimeOfDay(const QString& text, const QLocale& locale) {
  QStringList formats{QStringLiteral("H:m:s")};
  const QChar separator = localeTimeSeparator(locale);
  if (separator != u':') formats.append(QStringLiteral("H%1m%1s").arg(separator));
  for (const QString& format : formats) {
    const QTime time = locale.toTime(text, format);
    if (time.isValid()) return time.msecsSinceStartOfDay() / 1000;
  }
  for (const QLocale& amPmLocale : {locale, QLocale::c()}) {
    const QTime time = amPmLocale.toTime(text, QStringLiteral("h:m:s AP"));
    if (time.isValid()) return time.msecsSinceStartOfDay() / 1000;
  }
  return std::nullopt;
}

// The locale's short date order with one- or two-digit days and months and a four-digit
// year, so that no century has to be guessed.
QString localeDateFormat(const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  format.replace(QRegularExpression(QStringLiteral("(?<!d)dd(?!d)")), QStringLiteral("d"));
  format.replace(QRegularExpression(QStringLiteral("(?<!M)MM(?!M)")), QStringLiteral("M"));
  format.replace(QRegularExpression(QStringLiteral("(?<!y)yy(?!y)")), QStringLiteral("yyyy"));
  return format;
}

std::optional<QDate> parseDate(const QString& text, const QLocale& locale) {
  for (const QString& format : {QStringLiteral("yyyy-MM-dd"), localeDateFormat(locale)}) {
    const QDate date = locale.toDate(text, format);
    if (date.isValid() && date.year() >= kFirstYear && date.year() <= kLastYear) return date;
  }
  return std::nullopt;
}

double dateTimeNumber(const QDate& date, int secondOfDay) {
  const double days = double(dayZero().daysTo(date));
  const double time = double(secondOfDay) / 24 / 60 / 60;
  return days < 0 ? days - time : days + time;  // a negative number's time is its magnitude
}

}  // namespace

std::optional<double> parseCountdownText(const QString& text, const QLocale& locale) {
  const QString entry = text.trimmed();
  if (const auto second = parseTimeOfDay(entry, locale)) return dateTimeNumber(dayZero(), *second);
  if (const auto date = parseDate(entry, locale)) return dateTimeNumber(*date, 0);
  for (qsizetype blank = 1; blank < entry.size(); ++blank) {
    if (!entry[blank].isSpace() || entry[blank - 1].isSpace()) continue;
    const auto date = parseDate(entry.left(blank), locale);
    const auto second = date ? parseTimeOfDay(entry.mid(blank).trimmed(), locale) : std::nullopt;
    if (second) return dateTimeNumber(*date, *second);
  }
  return std::nullopt;
}

double afterOneTick(double remaining) {
  return remaining - kOneSecond;
}

int shownSecondOfDay(double remaining) {
  const double fraction = std::fabs(remaining - std::trunc(remaining));
  return int(std::llround(fraction * kSecondsPerDay) % kSecondsPerDay);
}

QString formatTimeOfDay(double remaining) {
  return QTime(0, 0).addSecs(shownSecondOfDay(remaining)).toString(QStringLiteral("hh:mm:ss"));
}

bool readsAsZero(const QString& shownText) {
  return shownText == QLatin1String(kZeroText);
}
