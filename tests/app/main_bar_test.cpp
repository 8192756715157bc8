#include "app/main_bar.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

#include <QPushButton>
#include <QTest>

#include "fake_window_manager.h"
#include "layout_check.h"
#include "recording_launcher.h"
#include "recording_store.h"
#include "settings/key_catalogue.h"

namespace {

class MainBarTest : public ::testing::Test {
 protected:
  std::unique_ptr<MainBar> makeBar() {
    return std::make_unique<MainBar>(AppServices{store, launcher, windowManager});
  }

  RecordingStore store;
  RecordingLauncher launcher;
  FakeWindowManager windowManager;
};

TEST_F(MainBarTest, LoadsPlacementThenTheSixMirrorsInOrder) {
  const auto bar = makeBar();
  EXPECT_EQ(store.readKeys(),
            (QStringList{"MAIN_Left", "MAIN_Top", "MAIN_Width", "MAIN_Height",
                         "AlwaysOnTop_TICKBOX", "SHUTDOWN_TICKBOX", "RESTART_TICKBOX",
                         "HIBERNATE_TICKBOX", "LOGOFF_TICKBOX", "ALWAYS_ASK_TICKBOX"}));
  EXPECT_TRUE(store.writes().isEmpty());
}

TEST_F(MainBarTest, OpensAtItsDefaultPlaceAndSizeWithTheTimerRunning) {
  const auto bar = makeBar();
  EXPECT_EQ(bar->pos(), QPoint(67, 67));   // 1000 twips
  EXPECT_EQ(bar->size(), QSize(161, 41));  // 2500 x 945 outer, less the tool frame
  EXPECT_TRUE(bar->isAlwaysOnTopTimerEnabled());
  EXPECT_EQ(bar->mirror(Setting::AlwaysOnTop), 1);
  EXPECT_EQ(bar->actionLabel(), QStringLiteral("ACTION_TEXTBOX"));
  for (Setting mirror : {Setting::RunNowShutdown, Setting::RunNowRestart, Setting::RunNowHibernate,
                         Setting::RunNowLogoff, Setting::RunNowAlwaysAsk}) {
    EXPECT_EQ(bar->mirror(mirror), 0);
  }
}

TEST_F(MainBarTest, TakesStoredValuesAndAHandWrittenWidthThatItNeverWritesBack) {
  store.preset(placementKey(WindowId::Main, PlacementEdge::Width).name, "5000");
  store.preset(settingKey(Setting::AlwaysOnTop).name, "0");
  store.preset(settingKey(Setting::RunNowLogoff).name, "1");
  store.preset(settingKey(Setting::RunNowRestart).name, "2");
  const auto bar = makeBar();
  EXPECT_EQ(bar->width(), 327);  // (5000 - 90) / 15
  EXPECT_FALSE(bar->isAlwaysOnTopTimerEnabled());
  EXPECT_EQ(bar->mirror(Setting::RunNowLogoff), 1);
  EXPECT_EQ(bar->mirror(Setting::RunNowRestart), 2);

  bar->close();
  EXPECT_FALSE(store.writtenKeys().contains("MAIN_Width"));
}

TEST_F(MainBarTest, ClosingWritesPositionAndTheAlwaysOnTopMirrorAndEndsTheRun) {
  const auto bar = makeBar();
  bar->show();
  bar->move(-30, 4);
  bar->setMirror(Setting::AlwaysOnTop, 0);
  bar->setMirror(Setting::RunNowShutdown, 1);
  bool ended = false;
  QObject::connect(bar.get(), &MainBar::closed, [&] { ended = true; });
  store.clearAccesses();

  bar->close();
  EXPECT_EQ(store.writes(),
            (QStringList{"MAIN_Left=-450", "MAIN_Top=60", "AlwaysOnTop_TICKBOX=0"}));
  EXPECT_TRUE(ended);
}

TEST_F(MainBarTest, IsAFixedSizeToolWindowWithACaptionAndOnlyACloseBox) {
  const auto bar = makeBar();
  bar->show();
  EXPECT_EQ(bar->windowTitle(), "OL-HALTDECK");
  const Qt::WindowFlags flags = bar->windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);  // no taskbar button
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
  EXPECT_EQ(bar->minimumSize(), bar->maximumSize());
  EXPECT_EQ(bar->size(), bar->minimumSize());
}

TEST_F(MainBarTest, ShowsSixPictureButtonsWithTheirTooltipsLeftToRight) {
  const auto bar = makeBar();
  const std::pair<const char*, const char*> buttons[] = {
      {"OL_BUTTON", "SETTINGS"},
      {"RUN_NOW_BUTTON", "RUN NOW"},
      {"POWER_BUTTON", "TASK"},
      {"AUTOTIMER_BUTTON", "AUTOTIMER"},
      {"OL_SHUTDOWN_GUI_BUTTON", "OL-SHUTDOWN-GUI"},
      {"MS_SHUTDOWN_GUI_BUTTON", "MS-SHUTDOWN-GUI"},
  };
  int left = 8;  // 120 twips, then 360 twips (24 px) apart
  QWidget* previous = nullptr;
  for (const auto& [name, tooltip] : buttons) {
    auto* button = bar->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->toolTip(), tooltip);
    EXPECT_EQ(button->accessibleName(), tooltip);
    EXPECT_EQ(button->geometry(), QRect(left, 0, 25, 25)) << name;
    if (previous) {
      EXPECT_EQ(previous->nextInFocusChain(), button);
    }
    previous = button;
    left += 24;
  }
  expectLayout(bar.get(), {{"OL_BUTTON", "", {120, 0, 375, 375}},
                           {"RUN_NOW_BUTTON", "", {480, 0, 375, 375}},
                           {"POWER_BUTTON", "", {840, 0, 375, 375}},
                           {"AUTOTIMER_BUTTON", "", {1200, 0, 375, 375}},
                           {"OL_SHUTDOWN_GUI_BUTTON", "", {1560, 0, 375, 375}},
                           {"MS_SHUTDOWN_GUI_BUTTON", "", {1920, 0, 375, 375}}});
}

TEST_F(MainBarTest, TheLastButtonLaunchesTheSystemDialogVisible) {
  const auto bar = makeBar();
  auto* button = bar->findChild<QPushButton*>("MS_SHUTDOWN_GUI_BUTTON");
  QTest::mouseClick(button, Qt::LeftButton);
  QTest::mouseClick(button, Qt::LeftButton);
  const RecordingLauncher::Launch dialog{"shutdown.exe /i", WindowStyle::NormalWithFocus};
  EXPECT_EQ(launcher.launches, (QList<RecordingLauncher::Launch>{dialog, dialog}));
}

TEST_F(MainBarTest, EachTimerTickKeepsTheBarOnTop) {
  const auto bar = makeBar();
  bar->show();
  const auto self = NativeWindow(bar->winId());
  windowManager.foreground = self + 1;
  QTimer* timer = bar->findChild<QTimer*>("AlwaysOnTopTimer");
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->interval(), 1000);
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(windowManager.calls,
            (QStringList{"foreground", "foreground", QString("demote %1").arg(self + 1),
                         QString("raise %1").arg(self)}));

  bar->setAlwaysOnTopTimerEnabled(false);
  EXPECT_FALSE(timer->isActive());
  bar->setAlwaysOnTopTimerEnabled(true);
  EXPECT_TRUE(timer->isActive());
}

}  // namespace
