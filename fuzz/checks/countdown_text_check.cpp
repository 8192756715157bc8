#include <QRegularExpression>
#include <QTime>
#include <cmath>

#include "actions/countdown_time.h"
#include "fuzz_checks.h"
#include "fuzz_locales.h"

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;
// Day numbers of 1 January 100 and 31 December 9999, the years a date may have.
constexpr double kFirstDay = -657434;
constexpr double kLastDay = 2958465;

std::string describe(const char* what, const QString& text) {
  return std::string(what) + " for \"" + text.left(200).toStdString() + '"';
}

}  // namespace

std::string checkCountdownText(const uint8_t* data, size_t size) {
  if (size == 0) return {};
  const QLocale locale = fuzzLocale(data[0]);
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  const std::optional<double> value = parseCountdownText(text, locale);
  if (!value) return {};

  // Every accepted text is a day number from the year 100 to 9999, time of day included.
  if (!std::isfinite(*value)) return describe("an accepted text gave a non-finite number", text);
  if (*value < kFirstDay - 1 || *value > kLastDay + 1) {
    return describe("an accepted text gave a day outside the years 100 to 9999", text);
  }

  const int shown = shownSecondOfDay(*value);
  if (shown < 0 || shown >= kSecondsPerDay)
    return describe("the shown second is out of range", text);
  const QString clock = formatTimeOfDay(*value);
  static const QRegularExpression clockForm(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
  if (!clockForm.match(clock).hasMatch() ||
      clock != QTime(0, 0).addSecs(shown).toString(QStringLiteral("hh:mm:ss"))) {
    return describe("the countdown box would not show hh:mm:ss", text);
  }

  // What the box shows reads back as the same time of day.
  const std::optional<double> shownAgain = parseCountdownText(clock, locale);
  if (!shownAgain || shownSecondOfDay(*shownAgain) != shown) {
    return describe("the shown time does not read back as itself", text);
  }

  // One tick moves the shown time one second towards zero, or for a number below day 0
  // (whose time of day is the magnitude of its fraction) one second away from it.
  const int next = shownSecondOfDay(afterOneTick(*value));
  const int expected =
      *value > 0 ? (shown + kSecondsPerDay - 1) % kSecondsPerDay : (shown + 1) % kSecondsPerDay;
  if (next != expected) return describe("one tick did not move the shown time by one second", text);
  return {};
}
