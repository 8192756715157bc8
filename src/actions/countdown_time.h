#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// The countdown's remaining time is a date/time number: a count of days in double
// precision, day 0 being 30 December 1899, the time of day in the fraction. A negative
// number's time of day is the magnitude of its fraction, so one second before day 0 reads
// 00:00:01.

// One second as a fraction of a day, divided in this order.
inline constexpr double kOneSecond = 1.0 / 24 / 60 / 60;

// What the countdown box shows when the shown time reaches zero.
inline constexpr char kZeroText[] = "00:00:00";

// The typed countdown text as a date/time number, or nothing when the text is not a time
// or date the conversion knows. Accepted, with blanks around ignored:
//  - a 24-hour time H:m:s, one or two digits a field, 0:00:00 to 23:59:59; also with the
//    locale's own time separator where that is not a colon (1.02.03 in Finnish);
//  - a 12-hour time h:m:s followed by a blank and the locale's or the English AM/PM text
//    (12:00:01 AM is one second);
//  - a date, yyyy-MM-dd or the locale's short date order with a four-digit year
//    (12/31/2024 in English (United States), 31.12.2024 in German), from the year 100 to
//    9999, alone or followed by blanks and a time as above.
// Times without seconds (01:30) are refused: the window asks for hours, minutes and
// seconds, and reading 01:30 as an hour and a half would start a much longer countdown
// than a user who meant a minute and a half expects.
std::optional<double> parseCountdownText(const QString& text, const QLocale& locale = QLocale());

// The remaining time after one tick.
double afterOneTick(double remaining);

// The shown time of day in whole seconds, 0 to 86399: rounded to the nearest second,
// wrapping to 0 at midnight.
int shownSecondOfDay(double remaining);

// The shown time of day as "hh:mm:ss" (24-hour, two digits a field).
QString formatTimeOfDay(double remaining);

// True when the countdown box reads exactly "00:00:00".
bool readsAsZero(const QString& shownText);
