#include "actions/autotimer_window.h"

#include <QPointer>

#include "actions/action_catalogue.h"
#include "autotimer_window_driver.h"
#include "layout_check.h"
#include "widgets/twips.h"

namespace {

using namespace autotimer_test;

TEST_F(AutotimerWindowTest, OpensWaitingWithOkLockedUntilAnActionIsChosen) {
  openFromBar([](QWidget* window) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("OL-HALTDECK - AUTOTIMER"));
    EXPECT_EQ(status(window), kWaiting);
    EXPECT_EQ(actionText(window), kNoAction);
    EXPECT_EQ(countdownText(window), QStringLiteral("00:00:00"));
    EXPECT_EQ(controlsOf(window), kWaitingOrSelectedWithoutOk);
    EXPECT_EQ(QApplication::focusWidget(), button(window, "CLOSE_BUTTON"));
    EXPECT_EQ(counter(window)->interval(), 1000);
    EXPECT_EQ(counter(window)->timerType(), Qt::PreciseTimer);
    EXPECT_FALSE(counter(window)->isSingleShot());

    click(window, "OK_BUTTON");  // disabled: nothing happens
    EXPECT_EQ(status(window), kWaiting);
    click(window, "HIBERNATE_BUTTON");
    EXPECT_EQ(status(window), QStringLiteral("OPTION SELECTED"));
    EXPECT_EQ(actionText(window), QStringLiteral("HIBERNATE PC"));
    EXPECT_EQ(controlsOf(window), kSelectedOrAborted);
    click(window, "LOGOFF_BUTTON");
    EXPECT_EQ(actionText(window), QStringLiteral("LOGOFF CURRENT USER"));
    click(window, "CLOSE_BUTTON");
  });
  // A choice made in one opening does not carry over to the next.
  openFromBar([](QWidget* window) {
    EXPECT_EQ(actionText(window), kNoAction);
    EXPECT_FALSE(button(window, "OK_BUTTON")->isEnabled());
    window->close();
  });
  EXPECT_TRUE(launcher.launches.isEmpty());
}

TEST_F(AutotimerWindowTest, FiveSecondsWithShutdownLaunchesOnTheFifthTick) {
  QPointer<QWidget> shown;
  QString statusAtLaunch;
  bool visibleAtLaunch = false;
  launcher.onLaunch = [&] {
    statusAtLaunch = status(shown);
    visibleAtLaunch = shown->isVisible();
  };
  openFromBar([&](QWidget* window) {
    shown = window;
    click(window, "SHUTDOWN_BUTTON");
    typeTime(window, QStringLiteral("00:00:05"));
    click(window, "OK_BUTTON");
    EXPECT_EQ(status(window), QStringLiteral("COUNTDOWN STARTED"));
    EXPECT_EQ(controlsOf(window), kRunning);
    EXPECT_EQ(countdownText(window), QStringLiteral("00:00:05"));

    QStringList shownTimes;
    for (int second = 1; second <= 4; ++second) {
      tick(window);
      shownTimes.append(countdownText(window));
      EXPECT_EQ(status(window), QStringLiteral("!!! AUTOTIMER RUNNING !!!"));
    }
    EXPECT_EQ(shownTimes, QStringList({"00:00:04", "00:00:03", "00:00:02", "00:00:01"}));
    EXPECT_TRUE(launcher.launches.isEmpty());
    store.clearAccesses();

    tick(window);
    EXPECT_EQ(countdownText(window), QStringLiteral("--:--:--"));
    EXPECT_EQ(status(window), QStringLiteral("!!! SHUTTING DOWN !!!"));
    EXPECT_FALSE(window->isVisible());
  });
  EXPECT_EQ(launcher.launches,
            (QList<RecordingLauncher::Launch>{{"shutdown /s /t 0", WindowStyle::Hidden}}));
  EXPECT_EQ(statusAtLaunch, QStringLiteral("!!! SHUTTING DOWN !!!"));
  EXPECT_TRUE(visibleAtLaunch);  // launched first, closed after
  EXPECT_TRUE(shown.isNull());   // the opener deleted it once it had closed
  // The close at zero writes the position once, like every close.
  EXPECT_EQ(store.writtenKeys(),
            QStringList({placementKey(WindowId::Autotimer, PlacementEdge::Left).name,
                         placementKey(WindowId::Autotimer, PlacementEdge::Top).name}));
}

TEST_F(AutotimerWindowTest, EachActionLaunchesItsCommandLineWithItsClosingStatus) {
  for (const ActionEntry& action : actionCatalogue()) {
    launcher.launches.clear();
    QString closingStatus;
    openFromBar([&](QWidget* window) {
      QTest::mouseClick(button(window, action.buttonName), Qt::LeftButton);
      EXPECT_EQ(actionText(window), QLatin1String(action.label));
      typeTime(window, QStringLiteral("00:00:01"));
      click(window, "OK_BUTTON");
      tick(window);
      closingStatus = status(window);
    });
    EXPECT_EQ(closingStatus, QLatin1String(action.countdownStatus)) << action.label;
    EXPECT_EQ(launcher.commandLines(), QStringList(QLatin1String(action.commandLine)));
    ASSERT_EQ(launcher.launches.size(), 1);
    EXPECT_EQ(launcher.launches[0].style, WindowStyle::Hidden);
  }
}

TEST_F(AutotimerWindowTest, AnEntryLeftAtZeroCountsUpAndFiresAfterADay) {
  openFromBar([&](QWidget* window) {
    click(window, "HIBERNATE_BUTTON");
    click(window, "OK_BUTTON");
    tick(window);
    EXPECT_EQ(countdownText(window), QStringLiteral("00:00:01"));
    tick(window);
    EXPECT_EQ(countdownText(window), QStringLiteral("00:00:02"));
    for (int second = 3; second < 24 * 60 * 60; ++second) tick(window);
    EXPECT_EQ(countdownText(window), QStringLiteral("23:59:59"));
    EXPECT_TRUE(launcher.launches.isEmpty());
    tick(window);
    EXPECT_FALSE(window->isVisible());
  });
  EXPECT_EQ(launcher.commandLines(), QStringList(QStringLiteral("shutdown /h")));
}

TEST_F(AutotimerWindowTest, CancelAbortsAndOkResumesFromTheShownTime) {
  openFromBar([&](QWidget* window) {
    click(window, "RESTART_BUTTON");
    typeTime(window, QStringLiteral("00:07:15"));
    click(window, "OK_BUTTON");
    for (int second = 0; second < 3; ++second) tick(window);
    ASSERT_EQ(countdownText(window), QStringLiteral("00:07:12"));
    saveScreenshot(window, "autotimer_window");

    click(window, "CANCEL_BUTTON");
    EXPECT_EQ(status(window), QStringLiteral("!!! COUNTDOWN ABORTED !!!"));
    EXPECT_EQ(controlsOf(window), kSelectedOrAborted);
    EXPECT_EQ(countdownText(window), QStringLiteral("00:07:12"));
    EXPECT_EQ(actionText(window), QStringLiteral("RESTART PC"));

    click(window, "OK_BUTTON");
    EXPECT_EQ(controlsOf(window), kRunning);
    tick(window);
    EXPECT_EQ(countdownText(window), QStringLiteral("00:07:11"));
    EXPECT_EQ(actionText(window), QStringLiteral("RESTART PC"));

    // After an abort another action may be chosen; OK stays available.
    click(window, "CANCEL_BUTTON");
    click(window, "LOGOFF_BUTTON");
    EXPECT_EQ(status(window), QStringLiteral("OPTION SELECTED"));
    EXPECT_EQ(actionText(window), QStringLiteral("LOGOFF CURRENT USER"));
    EXPECT_EQ(controlsOf(window), kSelectedOrAborted);
    click(window, "CLOSE_BUTTON");
  });
  EXPECT_TRUE(launcher.launches.isEmpty());
}

TEST_F(AutotimerWindowTest, ClosingMidCountdownLaunchesNothingAndTheNextOpeningWaits) {
  const QString left = placementKey(WindowId::Autotimer, PlacementEdge::Left).name;
  const QString top = placementKey(WindowId::Autotimer, PlacementEdge::Top).name;
  const struct {
    const char* road;
    std::function<void(QWidget*)> close;
    QStringList writtenKeys;  // the Close button writes before the close writes again
  } roads[] = {
      {"Close button", [](QWidget* w) { click(w, "CLOSE_BUTTON"); }, {left, top, left, top}},
      {"Esc", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, {left, top, left, top}},
      {"close box", [](QWidget* w) { w->close(); }, {left, top}},
  };
  for (const auto& road : roads) {
    store.clearAccesses();
    QPointer<QTimer> countingTimer;
    openFromBar([&](QWidget* window) {
      click(window, "SHUTDOWN_BUTTON");
      typeTime(window, QStringLiteral("00:00:03"));
      click(window, "OK_BUTTON");
      tick(window);
      tick(window);
      countingTimer = counter(window);
      road.close(window);
      EXPECT_FALSE(window->isVisible()) << road.road;
      EXPECT_FALSE(countingTimer->isActive()) << road.road;
    });
    EXPECT_TRUE(countingTimer.isNull()) << road.road;
    EXPECT_EQ(store.writtenKeys(), road.writtenKeys) << road.road;
    openFromBar([&](QWidget* window) {
      EXPECT_EQ(status(window), kWaiting) << road.road;
      EXPECT_EQ(actionText(window), kNoAction) << road.road;
      EXPECT_EQ(countdownText(window), QStringLiteral("00:00:00")) << road.road;
      EXPECT_EQ(controlsOf(window), kWaitingOrSelectedWithoutOk) << road.road;
      window->close();
    });
  }
  EXPECT_TRUE(launcher.launches.isEmpty());
}

TEST_F(AutotimerWindowTest, EnterOrEscWhileTypingClosesWithoutStarting) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    bool closedByKey = false;
    openFromBar([&](QWidget* window) {
      click(window, "SHUTDOWN_BUTTON");  // the focus is on this button now: Enter presses it
      EXPECT_TRUE(button(window, "SHUTDOWN_BUTTON")->isDefault());
      QLineEdit* box = countdownBox(window);
      QTest::mouseClick(box, Qt::LeftButton);
      EXPECT_EQ(QApplication::focusWidget(), box);
      EXPECT_TRUE(button(window, "CLOSE_BUTTON")->isDefault());
      typeTime(window, QStringLiteral("00:00:05"));
      QTest::keyClick(box, key);
      closedByKey = !window->isVisible();
      EXPECT_EQ(status(window), QStringLiteral("OPTION SELECTED"));
      EXPECT_FALSE(counter(window)->isActive());
      if (window->isVisible()) window->close();
    });
    EXPECT_TRUE(closedByKey) << key;
  }
  EXPECT_TRUE(launcher.launches.isEmpty());
}

TEST_F(AutotimerWindowTest, ATextThatIsNotATimeChangesNothingAndSaysSo) {
  openFromBar([&](QWidget* window) {
    click(window, "SHUTDOWN_BUTTON");
    for (const char* text : {"", "abc", "24:00:00", "01:30"}) {
      typeTime(window, QLatin1String(text));
      click(window, "OK_BUTTON");
      EXPECT_EQ(status(window), AutotimerWindow::rejectedTimeStatus()) << text;
      EXPECT_EQ(controlsOf(window), kSelectedOrAborted) << text;
      EXPECT_EQ(countdownText(window), QLatin1String(text));
      EXPECT_EQ(QApplication::focusWidget(), countdownBox(window)) << text;
    }
    // From Aborted it stays Aborted, with the shown time kept.
    typeTime(window, QStringLiteral("00:01:00"));
    click(window, "OK_BUTTON");
    tick(window);
    click(window, "CANCEL_BUTTON");
    typeTime(window, QStringLiteral("00:61:00"));
    click(window, "OK_BUTTON");
    EXPECT_EQ(status(window), AutotimerWindow::rejectedTimeStatus());
    EXPECT_EQ(controlsOf(window), kSelectedOrAborted);
    EXPECT_EQ(actionText(window), QStringLiteral("SHUTDOWN PC"));

    typeTime(window, QStringLiteral("00:00:02"));
    click(window, "OK_BUTTON");
    EXPECT_EQ(controlsOf(window), kRunning);
    tick(window);
    EXPECT_EQ(countdownText(window), QStringLiteral("00:00:01"));
    click(window, "CLOSE_BUTTON");
  });
  EXPECT_TRUE(launcher.launches.isEmpty());
}

TEST_F(AutotimerWindowTest, TabOrderRunsFromCloseThroughTheActionsToTheClock) {
  openFromBar([](QWidget* window) {
    click(window, "SHUTDOWN_BUTTON");
    button(window, "CLOSE_BUTTON")->setFocus();
    QStringList order;
    for (int step = 0; step < 8; ++step) {
      order.append(QApplication::focusWidget()->objectName());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order,
              QStringList({"CLOSE_BUTTON", "LOGOFF_BUTTON", "HIBERNATE_BUTTON", "RESTART_BUTTON",
                           "SHUTDOWN_BUTTON", "CLOSE_REQUEST_COUNTDOWN_TEXTBOX", "OK_BUTTON",
                           "CLOSE_BUTTON"}));  // Cancel is disabled until OK
    window->close();
  });
}

TEST_F(AutotimerWindowTest, OpensAtItsStoredPlaceAndNeverWritesItsSize) {
  QStringList placementKeys;
  for (PlacementEdge edge :
       {PlacementEdge::Left, PlacementEdge::Top, PlacementEdge::Width, PlacementEdge::Height}) {
    placementKeys.append(placementKey(WindowId::Autotimer, edge).name);
  }
  store.clearAccesses();
  QPoint firstPlace;
  QSize clientSize;
  openFromBar([&](QWidget* window) {
    EXPECT_EQ(store.readKeys(), placementKeys);  // its only reads
    firstPlace = window->pos();
    clientSize = window->size();
    window->move(200, 150);
    window->close();
  });
  EXPECT_EQ(firstPlace, QPoint(twipsToPixels(1000), twipsToPixels(1000)));
  EXPECT_EQ(clientSize, QSize(twipsToPixels(5895), twipsToPixels(3915)));
  EXPECT_EQ(store.writes(), QStringList({placementKeys[0] + "=3000", placementKeys[1] + "=2250"}));

  store.preset(placementKeys[2], QStringLiteral("7485"));  // a width put in by hand
  openFromBar([&](QWidget* window) {
    EXPECT_EQ(window->pos(), QPoint(200, 150));
    EXPECT_EQ(window->width(), twipsToPixels(7485 - 90));
    window->close();
  });
  EXPECT_EQ(store.value(placementKeys[2]), QStringLiteral("7485"));
  EXPECT_FALSE(store.writtenKeys().contains(placementKeys[2]));
  EXPECT_FALSE(store.writtenKeys().contains(placementKeys[3]));
}

// The whole window as its layout table gives it, control by control, as it opens.
TEST_F(AutotimerWindowTest, ShowsItsLayoutFontsAndColours) {
  const ExpectedLook caption{"Arial", 12, QFont::Bold};
  const QList<ExpectedControl> controls = {
      {"OL_TITLE_1", "OAK-LANTERN", {120, 120, 1935, 375}, kTitleLook},
      {"OL_TITLE_3", "OL-HD", {2160, 120, 1575, 375}, kTitleLook},
      {"OL_TITLE_2", "OL-HALTDECK", {3840, 120, 1935, 375}, kTitleLook},
      {"AUTOTIMER_TITLE_LABEL", "WAITING FOR USER INPUT", {120, 600, 5655, 375}, kTitleLook},
      {"SHUTDOWN_BUTTON", "", {720, 1080, 615, 615}},
      {"RESTART_BUTTON", "", {1680, 1080, 615, 615}},
      {"HIBERNATE_BUTTON", "", {2640, 1080, 615, 615}},
      {"LOGOFF_BUTTON", "", {3600, 1080, 615, 615}},
      {"CLOSE_BUTTON", "", {4560, 1080, 615, 615}},
      {"Label1", "Shutdown", {720, 1800, 735, 255}, kPlainCentred},
      {"Label2", "Restart", {1680, 1800, 615, 255}, kPlainCentred},
      {"Label4", "Hibernate", {2640, 1800, 735, 255}, kPlainCentred},
      {"Label5", "Logoff", {3720, 1800, 495, 255}, kPlainCentred},
      {"Label3", "Close", {4560, 1800, 615, 255}, kPlainCentred},
      {"AUTOTIMER_ACTION_TEXTBOX",
       "!!! SELECT ACTION !!!",
       {120, 2040, 5655, 375},
       {"Arial", 14.25, QFont::Bold, "#00FFFF", "#FF0000", Qt::AlignHCenter}},
      {"HOURS_LABEL", "Hours", {1800, 2520, 495, 255}},
      {"MINUTES_LABEL", "Minutes", {2640, 2520, 735, 255}},
      {"SECONDS_LABEL", "Seconds", {3480, 2520, 735, 255}},
      {"CANCEL_BUTTON", "Cancel", {240, 2640, 1095, 975}, caption},
      {"CLOSE_REQUEST_COUNTDOWN_TEXTBOX",
       "00:00:00",
       {1440, 2760, 3015, 870},
       {"Arial Black", 27.75, QFont::Black, "#00FF00", "#000000", Qt::AlignHCenter}},
      {"OK_BUTTON", "OK", {4560, 2640, 1095, 975}, caption},
  };
  openFromBar([&](QWidget* window) {
    EXPECT_EQ(window->size(), toPixels({0, 0, 5895, 3915}).size());
    expectLayout(window, controls);
    EXPECT_EQ(window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), controls.size());
    window->close();
  });
}

}  // namespace
