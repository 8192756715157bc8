#include <gtest/gtest.h>

#include "qt_printers.h"

#include "remote/remote_command_rules.h"

namespace {

// The literals written out once more, character by character, so a slip in the product's
// literals cannot hide behind the same slip here.
const QString kBackslashes = QStringLiteral("\\\\");
const QString kS = QStringLiteral("shutdown /s /m ") + kBackslashes;
const QString kG = QStringLiteral("shutdown /g /m ") + kBackslashes;
const QString kSF = QStringLiteral("shutdown /s /f /m ") + kBackslashes;
const QString kGF = QStringLiteral("shutdown /g /f /m ") + kBackslashes;
const QString kA = QStringLiteral("shutdown /a /m ") + kBackslashes;

QString line(const QString& prefix, const QString& name = QStringLiteral("PC01"),
             const QString& timeout = QStringLiteral("30")) {
  return prefix + name + QStringLiteral(" /t ") + timeout;
}

RemoteRow row(int shutdown, int restart, int force) {
  return {QStringLiteral("PC01"), QStringLiteral("30"), shutdown, restart, force};
}

// The decision table for clear (0) and ticked (1) boxes: index shutdown + 2 restart + 4 force.
const QStringList kDecisionTable[8] = {
    {},                      // 0 0 0
    {line(kS)},              // 1 0 0
    {line(kG)},              // 0 1 0
    {line(kS), line(kG)},    // 1 1 0
    {},                      // 0 0 1
    {line(kSF)},             // 1 0 1
    {line(kGF)},             // 0 1 1
    {line(kSF), line(kGF)},  // 1 1 1
};

}  // namespace

TEST(RemoteCommandRules, PrefixesEndInABlankAndTwoBackslashes) {
  for (const char16_t* prefix : {kShutdownPrefix, kRestartPrefix, kForcedShutdownPrefix,
                                 kForcedRestartPrefix, kAbortPrefix}) {
    EXPECT_TRUE(QString::fromUtf16(prefix).endsWith(QStringLiteral(" \\\\")))
        << QString::fromUtf16(prefix).toStdString();
  }
  EXPECT_EQ(QString::fromUtf16(kTimeoutSeparator), QStringLiteral(" /t "));
}

TEST(RemoteCommandRules, RunRuleOverEveryTickCombinationIncludingGreyed) {
  // A greyed Shutdown or Restart counts as not ticked; a greyed Force is neither clear
  // nor ticked, so no test holds.
  for (int shutdown : {0, 1, 2}) {
    for (int restart : {0, 1, 2}) {
      for (int force : {0, 1, 2}) {
        const QStringList expected =
            force == 2 ? QStringList{}
                       : kDecisionTable[(shutdown == 1) + 2 * (restart == 1) + 4 * force];
        EXPECT_EQ(runCommandLines(row(shutdown, restart, force)), expected)
            << "S " << shutdown << " R " << restart << " F " << force;
      }
    }
  }
}

TEST(RemoteCommandRules, RunLinesCarryNameAndTimeoutExactlyAsTyped) {
  struct Case {
    const char* what;
    QString name;
    QString timeout;
    QString expected;
  };
  const Case cases[] = {
      {"empty name: the backslashes are followed by the blank", "", "30",
       QStringLiteral("shutdown /s /m \\\\ /t 30")},
      {"empty timeout keeps the trailing blank", "PC01", "",
       QStringLiteral("shutdown /s /m \\\\PC01 /t ")},
      {"blanks are not quoted or trimmed", " PC 01 ", "30",
       QStringLiteral("shutdown /s /m \\\\ PC 01  /t 30")},
      {"own leading backslashes are kept", "\\\\PC01", "30",
       QStringLiteral("shutdown /s /m \\\\\\\\PC01 /t 30")},
      {"a timeout that is no number", "PC01", "ten",
       QStringLiteral("shutdown /s /m \\\\PC01 /t ten")},
      {"a timeout beyond ten years", "PC01", "315360001",
       QStringLiteral("shutdown /s /m \\\\PC01 /t 315360001")},
      {"quotes and shell characters", "\"a\" & $(b) `c` ; d | e", "-1",
       QStringLiteral("shutdown /s /m \\\\\"a\" & $(b) `c` ; d | e /t -1")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(runCommandLines({c.name, c.timeout, 1, 0, 0}), QStringList{c.expected}) << c.what;
  }
}

TEST(RemoteCommandRules, AbortLineIsThePrefixAndTheNameWhateverTheTicksAndTimeout) {
  EXPECT_EQ(abortCommandLine(QStringLiteral("PC01")), kA + QStringLiteral("PC01"));
  EXPECT_EQ(abortCommandLine(QString()), kA);
  EXPECT_EQ(abortCommandLine(QStringLiteral(" PC 01 ")), kA + QStringLiteral(" PC 01 "));
}
