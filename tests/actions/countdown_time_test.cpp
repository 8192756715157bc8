#include "actions/countdown_time.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QTime>
#include "qt_printers.h"

namespace {

const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);
const QLocale kGermany(QLocale::German, QLocale::Germany);
const QLocale kFinland(QLocale::Finnish, QLocale::Finland);

double seconds(int count) {
  return double(count) / 24 / 60 / 60;
}

double daysSinceDayZero(const QDate& date) {
  return double(QDate(1899, 12, 30).daysTo(date));
}

QString clockText(int secondOfDay) {
  return QTime(0, 0).addSecs(secondOfDay).toString(QStringLiteral("hh:mm:ss"));
}

// Ticks until the shown text reads zero; gives up after two days of ticks.
int ticksToZero(double remaining) {
  for (int tick = 1; tick <= 2 * 86400; ++tick) {
    remaining = afterOneTick(remaining);
    if (readsAsZero(formatTimeOfDay(remaining))) return tick;
  }
  return -1;
}

struct Accepted {
  const char* text;
  const QLocale* locale;
  double expected;
};

TEST(CountdownTextTest, AcceptsTimesAndDatesItDocuments) {
  const double firstOfMay = daysSinceDayZero({2024, 5, 1});
  const Accepted cases[] = {
      {"00:00:05", &kUnitedStates, seconds(5)},
      {"00:10:00", &kGermany, 600.0 / 24 / 60 / 60},
      {"23:59:59", &kUnitedStates, seconds(86399)},
      {"00:00:00", &kUnitedStates, 0},
      {"1:2:3", &kUnitedStates, seconds(3723)},
      {"  00:07:12\t", &kUnitedStates, seconds(432)},
      {"1.02.03", &kFinland, seconds(3723)},
      {"01:02:03", &kFinland, seconds(3723)},
      {"12:00:01 AM", &kUnitedStates, seconds(1)},
      {"11:59:59 pm", &kUnitedStates, seconds(86399)},
      {"11:59:59 PM", &kGermany, seconds(86399)},  // English AM/PM in any locale
      {"2024-05-01", &kGermany, firstOfMay},
      {"5/1/2024", &kUnitedStates, firstOfMay},
      {"01.05.2024", &kGermany, firstOfMay},
      {"1.5.2024", &kGermany, firstOfMay},
      {"2024-05-01 00:00:05", &kUnitedStates, firstOfMay + seconds(5)},
      {"5/1/2024  1:00:00 PM", &kUnitedStates, firstOfMay + seconds(13 * 3600)},
      {"1899-12-29 06:00:00", &kUnitedStates, -1.25},  // before day 0: the time is the magnitude
  };
  for (const Accepted& entry : cases) {
    const std::optional<double> value =
        parseCountdownText(QString::fromUtf8(entry.text), *entry.locale);
    ASSERT_TRUE(value.has_value()) << entry.text;
    EXPECT_EQ(*value, entry.expected) << entry.text;
  }
}

TEST(CountdownTextTest, RejectsEverythingElse) {
  const char* rejected[] = {"",
                            "   ",
                            "abc",
                            "24:00:00",
                            "00:60:00",
                            "00:00:60",
                            "01:30",
                            "1:2:3:4",
                            "-00:00:01",
                            "00:00:05x",
                            "000:00:05",
                            "13:00:00 PM",
                            "1:00:00 XM",
                            "5/1/24",
                            "0099-12-31",
                            "31.12.2024",
                            "2024-02-30",
                            "2024-05-01 25:00:00",
                            "2024-05-01 abc"};
  for (const char* text : rejected) {
    EXPECT_FALSE(parseCountdownText(QString::fromUtf8(text), kUnitedStates).has_value()) << text;
  }
  EXPECT_TRUE(parseCountdownText(QStringLiteral("31.12.2024"), kGermany).has_value());
}

TEST(CountdownClockTest, ShowsTheTimeOfDayRoundedToTheNearestSecond) {
  const struct {
    double remaining;
    const char* shown;
  } cases[] = {
      {0, "00:00:00"},
      {seconds(5), "00:00:05"},
      {seconds(86399), "23:59:59"},
      {1.4 / 86400, "00:00:01"},
      {1.6 / 86400, "00:00:02"},
      {86399.6 / 86400, "00:00:00"},  // rounds up to midnight
      {-seconds(1), "00:00:01"},      // a negative number shows the magnitude of its fraction
      {-1.25, "06:00:00"},
      {45413.5, "12:00:00"},  // the date part is not shown
      {45413.0 + seconds(3723), "01:02:03"},
  };
  for (const auto& entry : cases) {
    EXPECT_EQ(formatTimeOfDay(entry.remaining), QLatin1String(entry.shown)) << entry.remaining;
  }
}

TEST(CountdownClockTest, OnlyTheExactZeroTextFires) {
  EXPECT_TRUE(readsAsZero(QStringLiteral("00:00:00")));
  for (const char* text : {"0:00:00", "00:00:00 ", "--:--:--", "00:00:01", "", "24:00:00"}) {
    EXPECT_FALSE(readsAsZero(QLatin1String(text))) << text;
  }
}

TEST(CountdownTickTest, OneTickTakesOneSecondDividedInOrder) {
  EXPECT_EQ(afterOneTick(seconds(600)), seconds(600) - 1.0 / 24 / 60 / 60);
  EXPECT_EQ(kOneSecond, ((1.0 / 24) / 60) / 60);
}

// Every N seconds entered shows N - 1, N - 2, ... 1 and reaches zero on the N-th tick.
// The whole range 1 to 86399 holds too; a sample keeps the test quick.
TEST(CountdownTickTest, AnEntryOfNSecondsCountsDownOneShownSecondATick) {
  QList<int> sample;
  for (int n = 1; n <= 130; ++n) sample.append(n);
  for (int n = 131; n < 86400; n += 1009) sample.append(n);
  sample.append({599, 600, 601, 3599, 3600, 3601, 43199, 43200, 43201, 86398, 86399});
  for (int n : sample) {
    double remaining = *parseCountdownText(clockText(n), kUnitedStates);
    for (int tick = 1; tick < n; ++tick) {
      remaining = afterOneTick(remaining);
      ASSERT_EQ(shownSecondOfDay(remaining), n - tick) << "entry " << n << " tick " << tick;
    }
    remaining = afterOneTick(remaining);
    EXPECT_TRUE(readsAsZero(formatTimeOfDay(remaining))) << "entry " << n;
  }
}

TEST(CountdownTickTest, TheShownTextOfAFiveSecondEntry) {
  double remaining = *parseCountdownText(QStringLiteral("00:00:05"), kUnitedStates);
  QStringList shown;
  for (int tick = 0; tick < 5; ++tick) {
    remaining = afterOneTick(remaining);
    shown.append(formatTimeOfDay(remaining));
  }
  EXPECT_EQ(shown, QStringList({"00:00:04", "00:00:03", "00:00:02", "00:00:01", "00:00:00"}));
}

TEST(CountdownTickTest, ZeroCountsUpwardAndFiresAfterADay) {
  double remaining = *parseCountdownText(QStringLiteral("00:00:00"), kUnitedStates);
  remaining = afterOneTick(remaining);
  EXPECT_EQ(formatTimeOfDay(remaining), QStringLiteral("00:00:01"));
  remaining = afterOneTick(remaining);
  EXPECT_EQ(formatTimeOfDay(remaining), QStringLiteral("00:00:02"));
  EXPECT_EQ(ticksToZero(0), 86400);
}

TEST(CountdownTickTest, ADateCountsOnlyByItsTimeOfDay) {
  double firstOfMay = *parseCountdownText(QStringLiteral("2024-05-01"), kUnitedStates);
  EXPECT_EQ(formatTimeOfDay(afterOneTick(firstOfMay)), QStringLiteral("23:59:59"));
  EXPECT_EQ(ticksToZero(firstOfMay), 86400);

  // Far from day 0 a double holds fewer fraction digits; the last day the conversion
  // takes still counts whole seconds.
  const double lastDay = *parseCountdownText(QStringLiteral("9999-12-31 00:00:05"), kUnitedStates);
  EXPECT_EQ(ticksToZero(lastDay), 5);
  EXPECT_EQ(ticksToZero(*parseCountdownText(QStringLiteral("9999-12-31"), kUnitedStates)), 86400);

  // Before day 0 the time of day is the magnitude of the fraction, so it counts upward.
  const double beforeDayZero =
      *parseCountdownText(QStringLiteral("1899-12-29 23:59:55"), kUnitedStates);
  EXPECT_EQ(formatTimeOfDay(afterOneTick(beforeDayZero)), QStringLiteral("23:59:56"));
  EXPECT_EQ(ticksToZero(beforeDayZero), 5);
}

}  // namespace
