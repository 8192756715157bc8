// The end of the user's session as the session manager's commit request, in this process.
// Every open window writes what its close writes, innermost first, then the bar its unload.
#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>

#include "app/main_bar.h"
#include "app/session_close.h"
#include "fake_window_manager.h"
#include "platform/session_end.h"
#include "qt_printers.h"
#include "recording_launcher.h"
#include "recording_store.h"
#include "window_driver.h"

namespace {

// Windows' WM_QUERYENDSESSION and the X session manager reach the program as Qt's commit
// request; it takes the same road as SIGTERM, and a close after it writes nothing more.
TEST(CommitDataRequest, ClosesTheOpenWindowsThenTheBarWritingEachCloseOnce) {
  RecordingStore store;
  RecordingLauncher launcher;
  FakeWindowManager windowManager;
  MainBar bar({store, launcher, windowManager});
  const auto watch = closeAtSessionEnd(bar);
  bool ended = false;
  QObject::connect(&bar, &MainBar::closed, [&] { ended = true; });
  bar.show();
  bar.move(20, 30);

  inside(
      WindowId::About, [&] { click(&bar, QStringLiteral("OL_BUTTON")); },
      [&](QWidget* about) {
        about->move(40, 50);
        clickTick(about, QStringLiteral("AlwaysOnTop_TICKBOX"));
        store.clearAccesses();
        static_cast<QGuiApplicationPrivate*>(QObjectPrivate::get(qApp))->commitData();
        EXPECT_FALSE(about->isVisible());
      });
  EXPECT_FALSE(bar.isVisible());
  EXPECT_TRUE(ended);
  bar.close();
  EXPECT_EQ(store.writes(), (QStringList{"ABOUT_Left=600", "ABOUT_Top=750", "MAIN_Left=300",
                                         "MAIN_Top=450", "AlwaysOnTop_TICKBOX=0"}));
  EXPECT_TRUE(launcher.launches.isEmpty());
}

// With the confirmation open over the select-option window, both close as their close
// boxes would, the confirmation first, and nothing is launched.
TEST(CommitDataRequest, ClosesAConfirmationAndTheWindowUnderItWithoutLaunching) {
  RecordingStore store;
  RecordingLauncher launcher;
  FakeWindowManager windowManager;
  MainBar bar({store, launcher, windowManager});
  const auto watch = closeAtSessionEnd(bar);
  bar.show();
  ModalScript script;
  script
      .then(windowName(WindowId::RunOptions),
            [](QWidget* options) {
              later(options, [options] { click(options, QStringLiteral("SHUTDOWN_BUTTON")); });
            })
      .then(windowName(WindowId::ConfirmAction), [&](QWidget*) {
        store.clearAccesses();
        static_cast<QGuiApplicationPrivate*>(QObjectPrivate::get(qApp))->commitData();
      });
  script.start();
  click(&bar, QStringLiteral("POWER_BUTTON"));
  EXPECT_TRUE(script.finished());
  EXPECT_EQ(store.writtenKeys(),
            (QStringList{"ACTION_WINDOW_Left", "ACTION_WINDOW_Top", "RUN_OPTIONS_Left",
                         "RUN_OPTIONS_Top", "MAIN_Left", "MAIN_Top", "AlwaysOnTop_TICKBOX"}));
  EXPECT_TRUE(launcher.launches.isEmpty());
}

}  // namespace
