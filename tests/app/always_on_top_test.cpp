#include "app/always_on_top.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

#include "fake_window_manager.h"

namespace {

constexpr NativeWindow kBar = 42;

TEST(AlwaysOnTopStep, DoesNothingMoreWhileTheBarIsTheForegroundWindow) {
  FakeWindowManager windowManager;
  windowManager.foreground = kBar;
  alwaysOnTopStep(windowManager, kBar);
  EXPECT_EQ(windowManager.calls, QStringList{"foreground"});
}

TEST(AlwaysOnTopStep, DemotesTheForegroundWindowThenRaisesTheBar) {
  FakeWindowManager windowManager;
  windowManager.foreground = 7;
  alwaysOnTopStep(windowManager, kBar);
  EXPECT_EQ(windowManager.calls, (QStringList{"foreground", "foreground", "demote 7", "raise 42"}));
}

TEST(AlwaysOnTopStep, RaisesTheBarWhenNoWindowIsInTheForeground) {
  FakeWindowManager windowManager;
  alwaysOnTopStep(windowManager, kBar);
  EXPECT_EQ(windowManager.calls, (QStringList{"foreground", "foreground", "demote 0", "raise 42"}));
}

}  // namespace
