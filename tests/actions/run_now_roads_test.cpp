// The roads a user takes from the bar's RUN NOW and TASK buttons, through real windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <functional>
#include "qt_printers.h"

#include "actions/confirm_action_window.h"
#include "actions/run_option_window.h"
#include "bar_harness.h"

namespace {

QString shownLabel(QWidget* window) {
  return control<QLineEdit>(window, "ACTION_TEXTBOX")->text();
}

void expectNoWindowLeft(BarHarness& harness) {
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(harness.bar().findChild<SecondaryWindow*>(), nullptr);
}

TEST(RunNowRoads, HibernatePresetConfirmedRunsHibernate) {
  BarHarness harness;
  harness.preset(Setting::RunNowHibernate, "1");
  ModalScript script;
  script.then(kConfirmWindow, [&](QWidget* window) {
    EXPECT_EQ(harness.bar().actionLabel(), "HIBERNATE PC");
    EXPECT_EQ(shownLabel(window), "HIBERNATE PC");
    EXPECT_EQ(window->parentWidget(), &harness.bar());
    press(window, "OK_BUTTON");
  });
  script.start();
  harness.click("RUN_NOW_BUTTON");
  EXPECT_TRUE(script.finished());
  EXPECT_EQ(harness.launcher.launches,
            QList<RecordingLauncher::Launch>({{"shutdown /h", WindowStyle::Hidden}}));
  expectNoWindowLeft(harness);
}

TEST(RunNowRoads, AlwaysAskRestartConfirmedRunsRestartAndClosesBoth) {
  BarHarness harness;
  harness.preset(Setting::RunNowAlwaysAsk, "1");
  QWidget* options = nullptr;
  ModalScript script;
  script
      .then(kRunOptionWindow,
            [&](QWidget* window) {
              options = window;
              EXPECT_EQ(window->parentWidget(), &harness.bar());
              EXPECT_EQ(harness.bar().actionLabel(), "ACTION_TEXTBOX");  // not written yet
              later(window, [window] { press(window, "RESTART_BUTTON"); });
            })
      .then(kConfirmWindow, [&](QWidget* window) {
        EXPECT_EQ(window->parentWidget(), options);
        EXPECT_EQ(shownLabel(window), "RESTART PC");
        press(window, "OK_BUTTON");
      });
  script.start();
  harness.click("RUN_NOW_BUTTON");
  EXPECT_TRUE(script.finished());
  EXPECT_EQ(harness.launcher.launches,
            QList<RecordingLauncher::Launch>({{"shutdown /g /f /t 0", WindowStyle::Hidden}}));
  EXPECT_EQ(harness.store.writtenKeys(),
            QStringList({leftKey(WindowId::ConfirmAction), topKey(WindowId::ConfirmAction),
                         leftKey(WindowId::RunOptions), topKey(WindowId::RunOptions)}));
  expectNoWindowLeft(harness);
}

TEST(RunNowRoads, TaskLogoffCancelledLaunchesNothingAndKeepsTheLabel) {
  BarHarness harness;
  ModalScript script;
  script
      .then(kRunOptionWindow,
            [](QWidget* window) { later(window, [window] { press(window, "LOGOFF_BUTTON"); }); })
      .then(kConfirmWindow, [](QWidget* window) { press(window, "CANCEL_BUTTON"); });
  script.start();
  harness.click("POWER_BUTTON");
  EXPECT_TRUE(script.finished());
  EXPECT_TRUE(harness.launcher.launches.isEmpty());
  EXPECT_EQ(harness.bar().actionLabel(), "LOGOFF CURRENT USER");
  expectNoWindowLeft(harness);
}

TEST(RunNowRoads, TwoTickedBoxesAskTwiceWhicheverWayTheFirstClosed) {
  const struct {
    const char* way;
    std::function<void(QWidget*)> close;
    QStringList launched;
  } cases[] = {
      {"OK", [](QWidget* w) { press(w, "OK_BUTTON"); }, {"shutdown /s /t 0"}},
      {"Cancel", [](QWidget* w) { press(w, "CANCEL_BUTTON"); }, {}},
      {"Esc", [](QWidget* w) { key(w, Qt::Key_Escape); }, {}},
      {"close box", [](QWidget* w) { w->close(); }, {}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.way);
    BarHarness harness;
    harness.preset(Setting::RunNowShutdown, "1");
    harness.preset(Setting::RunNowLogoff, "1");
    QStringList shown;
    ModalScript script;
    script
        .then(kConfirmWindow,
              [&](QWidget* window) {
                shown.append(shownLabel(window));
                test.close(window);
              })
        .then(kConfirmWindow, [&](QWidget* window) {
          shown.append(shownLabel(window));
          press(window, "CANCEL_BUTTON");
        });
    script.start();
    harness.click("RUN_NOW_BUTTON");
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(shown, QStringList({"SHUTDOWN PC", "LOGOFF CURRENT USER"}));
    EXPECT_EQ(harness.launcher.commandLines(), test.launched);
    expectNoWindowLeft(harness);
  }
}

}  // namespace
