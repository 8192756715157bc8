#include "settings/value_conversions.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

struct FormatCase {
  float twips;
  QLocale locale;
  const char* text;
};

TEST(PlacementNumber, IsWrittenAsItsShortestDecimalText) {
  const FormatCase cases[] = {
      {1000.0f, kEnglish, "1000"},
      {-1500.0f, kEnglish, "-1500"},
      {0.0f, kEnglish, "0"},
      {-0.0f, kEnglish, "0"},
      {1234.5f, kEnglish, "1234.5"},
      {1234.5f, kGerman, "1234,5"},
      {0.1f, kEnglish, "0.1"},
      {1e6f, kEnglish, "1000000"},
      {123456789.0f, kEnglish, "123456792"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(formatPlacementNumber(c.twips, c.locale), QLatin1String(c.text)) << c.text;
  }
}

TEST(PlacementNumber, ReadsBackWhatWasWritten) {
  for (float twips : {0.0f, 1000.0f, -1500.0f, 1234.5f, 0.1f, 3.0e7f, -7.25f}) {
    for (const QLocale& locale : {kEnglish, kGerman}) {
      EXPECT_EQ(parsePlacementNumber(formatPlacementNumber(twips, locale), locale), twips);
    }
  }
}

TEST(PlacementNumber, TextOutsideTheFormReadsAsNothing) {
  for (const char* text : {"", " ", "abc", "12abc", "1,000", "nan", "NaN", "inf", "-inf", "1e40",
                           "-1e40", "0x10", "1 000"}) {
    EXPECT_FALSE(parsePlacementNumber(QString::fromLatin1(text), kEnglish)) << text;
  }
  EXPECT_FALSE(parsePlacementNumber(QStringLiteral("1234.5"), kGerman));
}

TEST(PlacementNumber, AcceptsTheNumbersAHandEditedStoreMayHold) {
  EXPECT_EQ(parsePlacementNumber(QStringLiteral("-0"), kEnglish), 0.0f);
  EXPECT_EQ(parsePlacementNumber(QStringLiteral(" 1500 "), kEnglish), 1500.0f);
  EXPECT_EQ(parsePlacementNumber(QStringLiteral("1e3"), kEnglish), 1000.0f);
  EXPECT_EQ(parsePlacementNumber(QStringLiteral("1234,5"), kGerman), 1234.5f);
}

TEST(TickState, AcceptsOnlyTheThreeCheckBoxStates) {
  EXPECT_EQ(parseTickState(QStringLiteral("0")), 0);
  EXPECT_EQ(parseTickState(QStringLiteral("1")), 1);
  EXPECT_EQ(parseTickState(QStringLiteral("2")), 2);
  for (const char* text : {"", "-1", "3", "65536", "1.0", "yes", "0x1", "true"}) {
    EXPECT_FALSE(parseTickState(QString::fromLatin1(text))) << text;
  }
  EXPECT_EQ(formatTickState(0), QStringLiteral("0"));
  EXPECT_EQ(formatTickState(1), QStringLiteral("1"));
}

}  // namespace
