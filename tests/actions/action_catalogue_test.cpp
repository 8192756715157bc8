#include "actions/action_catalogue.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

#include "recording_launcher.h"

namespace {

TEST(ActionCatalogue, EachLabelLaunchesItsCommandLineHiddenOnce) {
  const std::pair<const char*, const char*> cases[] = {
      {"SHUTDOWN PC", "shutdown /s /t 0"},
      {"RESTART PC", "shutdown /g /f /t 0"},
      {"HIBERNATE PC", "shutdown /h"},
      {"LOGOFF CURRENT USER", "shutdown /l"},
  };
  for (const auto& [label, commandLine] : cases) {
    RecordingLauncher launcher;
    EXPECT_TRUE(runLocalAction(QString::fromLatin1(label), launcher));
    const QList<RecordingLauncher::Launch> expected{{commandLine, WindowStyle::Hidden}};
    EXPECT_EQ(launcher.launches, expected) << label;
  }
}

TEST(ActionCatalogue, OnlyTheWholeLabelMatches) {
  for (const char* text : {"shutdown pc", "SHUTDOWN PC ", "SHUTDOWN  PC", " SHUTDOWN PC", "",
                           "ACTION_TEXTBOX", "SHUTDOWN", "LOGOFF CURRENT USER\n"}) {
    RecordingLauncher launcher;
    EXPECT_EQ(findAction(QString::fromLatin1(text)), nullptr) << text;
    EXPECT_FALSE(runLocalAction(QString::fromLatin1(text), launcher));
    EXPECT_TRUE(launcher.launches.isEmpty()) << text;
  }
}

TEST(ActionCatalogue, KeepsItsOrderAndTheRunNowMirrors) {
  const auto& catalogue = actionCatalogue();
  EXPECT_STREQ(catalogue[0].label, "SHUTDOWN PC");
  EXPECT_EQ(catalogue[1].runNow, Setting::RunNowRestart);
  EXPECT_STREQ(catalogue[2].countdownStatus, "!!! HIBERNATING !!!");
  EXPECT_STREQ(catalogue[3].buttonName, "LOGOFF_BUTTON");
}

}  // namespace
