#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include "qt_printers.h"

#include "app/main_bar.h"
#include "fake_window_manager.h"
#include "layout_check.h"
#include "modal_script.h"
#include "recording_launcher.h"
#include "recording_store.h"
#include "settings_window/about_window.h"
#include "window_driver.h"

namespace {

const QString kWindowName = windowName(WindowId::About);

// Tick states of the five run-now choices, in the order of kRunNowSettings.
using RunNowStates = std::array<int, std::size(kRunNowSettings)>;
constexpr size_t kRunNowChoiceCount = std::size(kRunNowSettings);

QString key(Setting setting) {
  return settingKey(setting).name;
}
QString aboutKey(PlacementEdge edge) {
  return placementKey(WindowId::About, edge).name;
}

// The window's check boxes are named after the settings they hold.
QCheckBox* tickBox(QWidget* window, Setting setting) {
  return control<QCheckBox>(window, key(setting));
}

// Clicks the box's indicator and checks that the click landed.
void click(QCheckBox* box) {
  const bool before = box->isChecked();
  clickTick(box);
  ASSERT_NE(before, box->isChecked()) << box->objectName().toStdString();
}

RunNowStates windowStates(QWidget* window) {
  RunNowStates states{};
  for (size_t i = 0; i < kRunNowChoiceCount; ++i) {
    states[i] = tickBox(window, kRunNowSettings[i])->isChecked() ? 1 : 0;
  }
  return states;
}

std::array<bool, kRunNowChoiceCount> windowEnabled(QWidget* window) {
  std::array<bool, kRunNowChoiceCount> enabled{};
  for (size_t i = 0; i < kRunNowChoiceCount; ++i) {
    enabled[i] = tickBox(window, kRunNowSettings[i])->isEnabled();
  }
  return enabled;
}

class AboutWindowTest : public ::testing::Test {
 protected:
  MainBar& bar() {
    if (!bar_) {
      bar_ = std::make_unique<MainBar>(AppServices{store, launcher, windowManager});
      bar_->show();
    }
    return *bar_;
  }

  // Opens the window with the bar's settings button and runs inside while it is open.
  // Whatever inside leaves open, the close box closes.
  void openAbout(const std::function<void(QWidget*)>& inside) {
    MainBar& owner = bar();
    store.clearAccesses();
    ModalScript script;
    script.then(kWindowName, [&inside](QWidget* window) {
      inside(window);
      if (window->isVisible()) window->close();
    });
    script.start();
    ::click(&owner, QStringLiteral("OL_BUTTON"));
    EXPECT_TRUE(script.finished());
  }

  RunNowStates barStates() {
    RunNowStates states{};
    for (size_t i = 0; i < kRunNowChoiceCount; ++i) states[i] = bar().mirror(kRunNowSettings[i]);
    return states;
  }

  void presetRunNow(const RunNowStates& states) {
    for (size_t i = 0; i < kRunNowChoiceCount; ++i) {
      store.preset(key(kRunNowSettings[i]), QString::number(states[i]));
    }
  }

  RecordingStore store;
  RecordingLauncher launcher;
  FakeWindowManager windowManager;
  std::unique_ptr<MainBar> bar_;
};

const QStringList kPositionKeys = {aboutKey(PlacementEdge::Left), aboutKey(PlacementEdge::Top)};

TEST_F(AboutWindowTest, EmptyStoreOpensOnDefaultsAndLeavesTheBarAlone) {
  const RunNowStates before = barStates();
  openAbout([&](QWidget* window) {
    EXPECT_TRUE(tickBox(window, Setting::AlwaysOnTop)->isChecked());
    EXPECT_EQ(windowStates(window), (RunNowStates{0, 0, 0, 0, 0}));
    EXPECT_EQ(windowEnabled(window), (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(window->focusWidget(), control<QPushButton>(window, "SAVE_AND_CLOSE_BUTTON"));
    EXPECT_EQ(store.readKeys(),
              (QStringList{aboutKey(PlacementEdge::Left), aboutKey(PlacementEdge::Top),
                           aboutKey(PlacementEdge::Width), aboutKey(PlacementEdge::Height),
                           key(Setting::AlwaysOnTop), key(Setting::RunNowShutdown),
                           key(Setting::RunNowRestart), key(Setting::RunNowHibernate),
                           key(Setting::RunNowLogoff), key(Setting::RunNowAlwaysAsk)}));
  });
  EXPECT_EQ(barStates(), before);
  EXPECT_EQ(bar().mirror(Setting::AlwaysOnTop), 1);
  EXPECT_TRUE(bar().isAlwaysOnTopTimerEnabled());
  EXPECT_EQ(store.writtenKeys(), kPositionKeys);  // the close box stores the position only
}

TEST_F(AboutWindowTest, RunNowClicksGreyTheOthersAndDriveTheBarAtOnce) {
  openAbout([&](QWidget* window) {
    click(tickBox(window, Setting::RunNowRestart));
    EXPECT_EQ(windowStates(window), (RunNowStates{0, 1, 0, 0, 0}));
    EXPECT_EQ(windowEnabled(window), (std::array<bool, 5>{false, true, false, false, false}));
    EXPECT_EQ(barStates(), (RunNowStates{0, 1, 0, 0, 0}));

    click(tickBox(window, Setting::RunNowRestart));
    EXPECT_EQ(windowEnabled(window), (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(barStates(), (RunNowStates{0, 0, 0, 0, 0}));

    click(tickBox(window, Setting::RunNowAlwaysAsk));
    EXPECT_EQ(windowEnabled(window), (std::array<bool, 5>{false, false, false, false, true}));
    click(tickBox(window, Setting::RunNowAlwaysAsk));
    click(tickBox(window, Setting::RunNowShutdown));
    EXPECT_EQ(barStates(), (RunNowStates{1, 0, 0, 0, 0}));
  });
  EXPECT_EQ(store.writtenKeys(), kPositionKeys);
}

TEST_F(AboutWindowTest, SaveAndCloseWritesTheSixSettingsThenThePosition) {
  openAbout([](QWidget* window) {
    click(tickBox(window, Setting::RunNowLogoff));
    saveScreenshot(window, "about_window");
    ::click(window, QStringLiteral("SAVE_AND_CLOSE_BUTTON"));
    EXPECT_FALSE(window->isVisible());
  });
  const QStringList writes = store.writes();
  ASSERT_EQ(writes.size(), 8);
  EXPECT_EQ(writes.mid(0, 6),
            (QStringList{key(Setting::AlwaysOnTop) + "=1", key(Setting::RunNowShutdown) + "=0",
                         key(Setting::RunNowRestart) + "=0", key(Setting::RunNowHibernate) + "=0",
                         key(Setting::RunNowLogoff) + "=1", key(Setting::RunNowAlwaysAsk) + "=0"}));
  EXPECT_EQ(store.writtenKeys().mid(6), kPositionKeys);
}

TEST_F(AboutWindowTest, EnterPressesSaveAndCloseAndEscClosesWithoutStoring) {
  openAbout([](QWidget* window) {
    QCheckBox* hibernate = tickBox(window, Setting::RunNowHibernate);
    click(hibernate);
    hibernate->setFocus();
    QTest::keyClick(hibernate, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
  });
  EXPECT_EQ(store.value(key(Setting::RunNowHibernate)), "1");
  EXPECT_EQ(store.writtenKeys().size(), 8);

  openAbout([](QWidget* window) {
    click(tickBox(window, Setting::RunNowHibernate));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
  });
  EXPECT_EQ(store.writtenKeys(), kPositionKeys);
  EXPECT_EQ(store.value(key(Setting::RunNowHibernate)), "1");
  EXPECT_EQ(bar().mirror(Setting::RunNowHibernate), 0);
}

TEST_F(AboutWindowTest, UnsavedChoiceStaysLiveOnTheBarUntilTheProgramEnds) {
  openAbout([](QWidget* window) { click(tickBox(window, Setting::RunNowHibernate)); });
  EXPECT_EQ(store.writtenKeys(), kPositionKeys);
  EXPECT_EQ(barStates(), (RunNowStates{0, 0, 1, 0, 0}));

  // The next opening shows the stored choice, nothing ticked, while the bar keeps Hibernate;
  // a new choice then joins it on the bar.
  openAbout([&](QWidget* window) {
    EXPECT_EQ(windowStates(window), (RunNowStates{0, 0, 0, 0, 0}));
    EXPECT_EQ(barStates(), (RunNowStates{0, 0, 1, 0, 0}));
    click(tickBox(window, Setting::RunNowLogoff));
    EXPECT_EQ(barStates(), (RunNowStates{0, 0, 1, 1, 0}));
  });

  store.clearAccesses();
  bar().close();
  EXPECT_EQ(store.writtenKeys(),
            (QStringList{placementKey(WindowId::Main, PlacementEdge::Left).name,
                         placementKey(WindowId::Main, PlacementEdge::Top).name,
                         key(Setting::AlwaysOnTop)}));
}

TEST_F(AboutWindowTest, StoredChoiceComesBackThroughItsRuleOnEveryOpening) {
  store.preset(key(Setting::RunNowShutdown), "1");
  openAbout([&](QWidget* window) {
    EXPECT_EQ(windowEnabled(window), (std::array<bool, 5>{true, false, false, false, false}));
    click(tickBox(window, Setting::RunNowShutdown));
    EXPECT_EQ(bar().mirror(Setting::RunNowShutdown), 0);
  });
  openAbout([&](QWidget* window) {
    EXPECT_TRUE(tickBox(window, Setting::RunNowShutdown)->isChecked());
    EXPECT_EQ(bar().mirror(Setting::RunNowShutdown), 1);
  });
}

TEST_F(AboutWindowTest, AlwaysOnTopStartsAndStopsTheBarTimer) {
  MainBar& owner = bar();  // loaded from an empty store: the timer runs
  ASSERT_TRUE(owner.isAlwaysOnTopTimerEnabled());
  store.preset(key(Setting::AlwaysOnTop), "0");
  openAbout([&](QWidget* window) {
    EXPECT_FALSE(tickBox(window, Setting::AlwaysOnTop)->isChecked());
    EXPECT_FALSE(owner.isAlwaysOnTopTimerEnabled());
    EXPECT_EQ(owner.mirror(Setting::AlwaysOnTop), 0);

    click(tickBox(window, Setting::AlwaysOnTop));
    EXPECT_TRUE(owner.isAlwaysOnTopTimerEnabled());
    EXPECT_EQ(owner.mirror(Setting::AlwaysOnTop), 1);

    click(tickBox(window, Setting::AlwaysOnTop));
    EXPECT_FALSE(owner.isAlwaysOnTopTimerEnabled());
    EXPECT_EQ(owner.mirror(Setting::AlwaysOnTop), 0);
  });
  // Not saved here, but the bar stores its mirror when it closes.
  EXPECT_EQ(store.writtenKeys(), kPositionKeys);
  owner.close();
  EXPECT_EQ(store.value(key(Setting::AlwaysOnTop)), "0");
}

// A store holding several choices: the last in load order wins (Always Ask over any
// action), the others end clear and greyed, and the bar's five equal the window's.
TEST_F(AboutWindowTest, EveryStoredCombinationEndsWithAtMostOneChoice) {
  for (int mask = 0; mask < 32; ++mask) {
    SCOPED_TRACE(mask);
    RunNowStates stored{};
    int winner = -1;
    for (size_t i = 0; i < kRunNowChoiceCount; ++i) {
      stored[i] = (mask >> i) & 1;
      if (stored[i]) winner = int(i);
    }
    bar_.reset();
    store = RecordingStore();
    presetRunNow(stored);
    openAbout([&](QWidget* window) {
      RunNowStates expected{};
      std::array<bool, 5> enabled{true, true, true, true, true};
      if (winner >= 0) {
        expected[size_t(winner)] = 1;
        enabled = {false, false, false, false, false};
        enabled[size_t(winner)] = true;
      }
      EXPECT_EQ(windowStates(window), expected);
      EXPECT_EQ(windowEnabled(window), enabled);
      EXPECT_EQ(barStates(), expected);
    });
  }
}

TEST_F(AboutWindowTest, SeveralStoredChoicesAlsoDropAnEarlierUnsavedChoiceFromTheBar) {
  presetRunNow({1, 0, 1, 0, 0});
  bar().setMirror(Setting::RunNowRestart, 1);  // ticked earlier in this run, never saved
  openAbout([&](QWidget* window) {
    EXPECT_EQ(windowStates(window), (RunNowStates{0, 0, 1, 0, 0}));
    EXPECT_EQ(barStates(), (RunNowStates{0, 0, 1, 0, 0}));
  });
}

TEST_F(AboutWindowTest, DoubleClickOnTheCreditLineShowsTheContactAddress) {
  const QString creditLine = QStringLiteral("Created By OAK-LANTERN");
  const QString contactAddress = QStringLiteral("oak-lantern@example.com");
  openAbout([&](QWidget* window) {
    auto* creator = control<QLabel>(window, "CREATOR_TEXTBOX");
    EXPECT_TRUE(creator->text().startsWith(QLatin1String("Created By ")));
    EXPECT_EQ(creator->text(), creditLine);
    QTest::mouseClick(creator, Qt::LeftButton);
    EXPECT_EQ(creator->text(), creditLine);
    QTest::mouseDClick(creator, Qt::LeftButton);
    EXPECT_EQ(creator->text(), contactAddress);
    QTest::mouseDClick(creator, Qt::LeftButton);
    EXPECT_EQ(creator->text(), contactAddress);
  });
  openAbout([&](QWidget* window) {
    EXPECT_EQ(control<QLabel>(window, "CREATOR_TEXTBOX")->text(), creditLine);
  });
}

// ABOUT's boxes are two-state: a stored "2" (greyed) shows clear, so Always On Top "2"
// clears the box from its initial tick and its rule stops the bar's timer; clicks then
// only tick and clear, and Save & Close writes "0" or "1".
TEST_F(AboutWindowTest, AStoredGreyShowsClearAndTheBoxesStayTwoState) {
  store.preset(key(Setting::AlwaysOnTop), QStringLiteral("2"));
  store.preset(key(Setting::RunNowHibernate), QStringLiteral("2"));
  EXPECT_FALSE(bar().isAlwaysOnTopTimerEnabled());
  openAbout([&](QWidget* window) {
    QCheckBox* onTop = tickBox(window, Setting::AlwaysOnTop);
    EXPECT_EQ(onTop->checkState(), Qt::Unchecked);
    EXPECT_EQ(tickBox(window, Setting::RunNowHibernate)->checkState(), Qt::Unchecked);
    EXPECT_EQ(windowEnabled(window), (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(bar().mirror(Setting::AlwaysOnTop), 0);
    EXPECT_FALSE(bar().isAlwaysOnTopTimerEnabled());

    click(onTop);
    EXPECT_EQ(onTop->checkState(), Qt::Checked);
    EXPECT_TRUE(bar().isAlwaysOnTopTimerEnabled());
    click(onTop);
    EXPECT_EQ(onTop->checkState(), Qt::Unchecked);
    click(tickBox(window, Setting::RunNowHibernate));
    EXPECT_EQ(tickBox(window, Setting::RunNowHibernate)->checkState(), Qt::Checked);
    ::click(window, QStringLiteral("SAVE_AND_CLOSE_BUTTON"));
  });
  EXPECT_EQ(store.writes().mid(0, 6),
            (QStringList{"AlwaysOnTop_TICKBOX=0", "SHUTDOWN_TICKBOX=0", "RESTART_TICKBOX=0",
                         "HIBERNATE_TICKBOX=1", "LOGOFF_TICKBOX=0", "ALWAYS_ASK_TICKBOX=0"}));
}

TEST_F(AboutWindowTest, LaysOutItsControlsAndTabOrder) {
  const QList<ExpectedControl> controls = {
      {"OL_TITLE_1", "OAK-LANTERN", {120, 120, 1815, 375}, kTitleLook},
      {"OL_TITLE_2", "OL-HALTDECK", {2040, 120, 1815, 375}, kTitleLook},
      {"OL_TITLE_3", "OL-HD", {3960, 120, 975, 375}, kTitleLook},
      {"VERSION_TEXTBOX", "Version 1.0", {5040, 120, 1455, 375}, kTitleLook},
      {"CREATOR_TEXTBOX", "Created By OAK-LANTERN", {120, 600, 4215, 375}, kTitleLook},
      {"ICONS_WEBLINK_LABEL", "Some Base Icons Used", {240, 1080, 1815, 255}},
      {"ICONS_WEBLINK_TEXTBOX",
       "https://example.org/ol-haltdeck/pictures",
       {2040, 1080, 4335, 285}},
      {"Line1", "", {120, 1440, 6360, 15}},
      {"RUN_NOW_SELECTOR_FRAME", "Run Now Button", {480, 1560, 3015, 1455}},
      {"SHUTDOWN_TICKBOX", "Shutdown", {600, 1920, 1095, 255}},
      {"RESTART_TICKBOX", "Restart", {600, 2280, 855, 255}},
      {"HIBERNATE_TICKBOX", "Hibernate", {600, 2640, 1095, 255}},
      {"LOGOFF_TICKBOX", "Logoff", {2160, 1920, 855, 255}},
      {"ALWAYS_ASK_TICKBOX", "Always Ask", {2160, 2280, 1215, 255}},
      {"AlwaysOnTop_TICKBOX", "Always On Top", {4320, 1680, 1455, 255}},
      {"SAVE_AND_CLOSE_BUTTON", "Save && Close", {4200, 2160, 1695, 735}},
  };
  openAbout([&](QWidget* window) {
    EXPECT_EQ(window->windowTitle(), "OL-HALTDECK - ABOUT");
    EXPECT_EQ(window->size(), toPixels({0, 0, 6630, 3285}).size());
    expectLayout(window, controls);

    QStringList tabOrder;
    for (int step = 0; step < 8; ++step) {
      QWidget* focused = window->focusWidget();
      ASSERT_NE(focused, nullptr);
      tabOrder.append(focused->objectName());
      QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(tabOrder,
              (QStringList{"SAVE_AND_CLOSE_BUTTON", "AlwaysOnTop_TICKBOX", "SHUTDOWN_TICKBOX",
                           "RESTART_TICKBOX", "HIBERNATE_TICKBOX", "LOGOFF_TICKBOX",
                           "ALWAYS_ASK_TICKBOX", "SAVE_AND_CLOSE_BUTTON"}));
  });
}

}  // namespace
