#include <QApplication>
#include <QLabel>

#include "app/main_bar.h"
#include "fake_window_manager.h"
#include "remote_windows.h"
#include "widgets/twips.h"

namespace {

using Access = RecordingStore::Access;

QLineEdit* nameBox(QWidget* w) {
  return control<QLineEdit>(w, keyName(Setting::SimplePcName));
}
QLineEdit* timeoutBox(QWidget* w) {
  return control<QLineEdit>(w, keyName(Setting::ShutdownTimeout));
}
QCheckBox* shutdownTick(QWidget* w) {
  return control<QCheckBox>(w, keyName(Setting::SimpleShutdown));
}
QCheckBox* restartTick(QWidget* w) {
  return control<QCheckBox>(w, keyName(Setting::SimpleRestart));
}
QCheckBox* forceTick(QWidget* w) {
  return control<QCheckBox>(w, keyName(Setting::SimpleForce));
}
QLineEdit* commandBox(QWidget* w) {
  return control<QLineEdit>(w, QStringLiteral("ALL_CMD_COMMANDS_TEXTBOX"));
}

QStringList positionWrites(const QString& left, const QString& top) {
  return {placementName(WindowId::SguiSimple, PlacementEdge::Left) + u'=' + left,
          placementName(WindowId::SguiSimple, PlacementEdge::Top) + u'=' + top};
}

class SguiSimpleTest : public RemoteWindowsTest {};

}  // namespace

TEST_F(SguiSimpleTest, EmptyStoreOpensWithDefaultsAfterNineReadsInOrder) {
  insideSimple([](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("OL-HALTDECK - SHUTDOWN GUI - SIMPLE"));
    EXPECT_EQ(w->pos(), QPoint(twipsToPixels(1000), twipsToPixels(1000)));
    EXPECT_EQ(w->size(), QSize(twipsToPixels(6450 - 90), twipsToPixels(3400 - 375)));
    EXPECT_EQ(nameBox(w)->text(), QString());
    EXPECT_EQ(timeoutBox(w)->text(), QStringLiteral("30"));
    for (QCheckBox* tick : {shutdownTick(w), restartTick(w), forceTick(w)}) {
      EXPECT_EQ(tick->checkState(), Qt::Unchecked);
      EXPECT_TRUE(tick->isEnabled());
    }
    EXPECT_EQ(commandBox(w)->text(), QStringLiteral("!!! COMMAND GENERATED AT RUNTIME !!!"));
    EXPECT_EQ(w->focusWidget(), control<QPushButton>(w, QStringLiteral("CLOSE_BUTTON")));
  });
  const QList<Access> expected{
      {Access::Read, placementName(WindowId::SguiSimple, PlacementEdge::Left), "1000"},
      {Access::Read, placementName(WindowId::SguiSimple, PlacementEdge::Top), "1000"},
      {Access::Read, placementName(WindowId::SguiSimple, PlacementEdge::Width), "6450"},
      {Access::Read, placementName(WindowId::SguiSimple, PlacementEdge::Height), "3400"},
      {Access::Read, keyName(Setting::SimplePcName), ""},
      {Access::Read, keyName(Setting::ShutdownTimeout), "30"},
      {Access::Read, keyName(Setting::SimpleShutdown), "0"},
      {Access::Read, keyName(Setting::SimpleRestart), "0"},
      {Access::Read, keyName(Setting::SimpleForce), "0"},
  };
  EXPECT_EQ(store.accesses().mid(0, 9), expected);
}

TEST_F(SguiSimpleTest, ControlsSitWhereTheLayoutPutsThemInTabOrder) {
  const QList<ExpectedControl> places = {
      {"OL_TITLE_1", "OAK-LANTERN", {120, 120, 1575, 375}, kTitleLook},
      {"OL_TITLE_2", "OL-HALTDECK", {1800, 120, 1695, 375}, kTitleLook},
      {"SGUI_SIMPLE_LABEL", "SHUTDOWN GUI - SIMPLE", {3600, 120, 2655, 375}, kTitleLook},
      {"ALL_CMD_COMMANDS_TEXTBOX",
       "!!! COMMAND GENERATED AT RUNTIME !!!",
       {120, 600, 6135, 375},
       kPlainCentred},
      {"PC_NAME_S_LABEL", "PC Name", {120, 1320, 495, 375}, kPlainRightAligned},
      {keyName(Setting::SimplePcName), "", {840, 1320, 2655, 315}},
      {"SHUTDOWN_TIMEOUT_1_LABEL",
       "Shutdown Timeout (Seconds)",
       {120, 1800, 2175, 255},
       kPlainRightAligned},
      {keyName(Setting::ShutdownTimeout), "30", {2400, 1800, 1095, 315}},
      {"SHUTDOWN_TIMEOUT_2_LABEL",
       "0-315360000 (10 years)",
       {480, 2040, 1815, 255},
       kPlainRightAligned},
      {keyName(Setting::SimpleShutdown), "Shutdown", {360, 2400, 1095, 255}},
      {keyName(Setting::SimpleRestart), "Restart", {1680, 2400, 855, 255}},
      {keyName(Setting::SimpleForce), "Force", {2760, 2400, 855, 255}},
      {"SGUI_ADVANCED_BUTTON", "SGUI Advanced", {3720, 1440, 1095, 615}},
      {"RUN_SSS_BUTTON", "Run", {4920, 1320, 1215, 375}},
      {"ABORT_SSS_BUTTON", "Abort", {4920, 1800, 1215, 375}},
      {"SAVE_BUTTON", "Save", {3720, 2280, 1095, 375}},
      {"CLOSE_BUTTON", "Close", {4920, 2280, 1215, 375}},
  };
  const QStringList tabOrder{"CLOSE_BUTTON",
                             keyName(Setting::SimplePcName),
                             keyName(Setting::ShutdownTimeout),
                             keyName(Setting::SimpleShutdown),
                             keyName(Setting::SimpleRestart),
                             keyName(Setting::SimpleForce),
                             "SAVE_BUTTON",
                             "SGUI_ADVANCED_BUTTON",
                             "RUN_SSS_BUTTON",
                             "ABORT_SSS_BUTTON",
                             "ALL_CMD_COMMANDS_TEXTBOX"};
  SguiSimple window(store, launcher, nullptr);
  expectLayout(&window, places);
  QStringList chain;
  QWidget* widget = control<QWidget>(&window, tabOrder.first());
  do {
    if (widget->focusPolicy() & Qt::TabFocus) chain.append(widget->objectName());
    widget = widget->nextInFocusChain();
  } while (widget->objectName() != tabOrder.first());
  EXPECT_EQ(chain, tabOrder);
}

TEST_F(SguiSimpleTest, ShutdownAndRestartGreyEachOtherOutWhileTicked) {
  insideSimple([](QWidget* w) {
    QCheckBox* s = shutdownTick(w);
    QCheckBox* r = restartTick(w);
    clickTick(s);
    EXPECT_TRUE(s->isChecked());
    EXPECT_FALSE(r->isEnabled());
    clickTick(forceTick(w));  // Force changes nothing's enabled state
    EXPECT_FALSE(r->isEnabled());
    EXPECT_TRUE(s->isEnabled());
    clickTick(s);
    EXPECT_TRUE(r->isEnabled());
    clickTick(r);
    EXPECT_FALSE(s->isEnabled());
    clickTick(s);  // a greyed box takes no click
    EXPECT_FALSE(s->isChecked());
    clickTick(r);
    EXPECT_TRUE(s->isEnabled());
    EXPECT_FALSE(r->isChecked());
    EXPECT_TRUE(forceTick(w)->isChecked());
  });
}

TEST_F(SguiSimpleTest, StoredTicksComeBackWithTheExclusionApplied) {
  struct Case {
    const char* shutdown;
    const char* restart;
    Qt::CheckState shutdownState;
    Qt::CheckState restartState;
    bool shutdownEnabled;
    bool restartEnabled;
  };
  const Case cases[] = {
      {"0", "0", Qt::Unchecked, Qt::Unchecked, true, true},
      {"1", "0", Qt::Checked, Qt::Unchecked, true, false},
      {"0", "1", Qt::Unchecked, Qt::Checked, false, true},
      {"2", "0", Qt::PartiallyChecked, Qt::Unchecked, true, true},
      {"0", "2", Qt::Unchecked, Qt::PartiallyChecked, true, true},
      // Only a hand-edited store holds both: neither is greyed, so either can be cleared.
      {"1", "1", Qt::Checked, Qt::Checked, true, true},
      {"x", "1", Qt::Unchecked, Qt::Checked, false, true},
  };
  for (const Case& c : cases) {
    store.preset(keyName(Setting::SimpleShutdown), QLatin1String(c.shutdown));
    store.preset(keyName(Setting::SimpleRestart), QLatin1String(c.restart));
    insideSimple([&](QWidget* w) {
      const std::string label = std::string(c.shutdown) + " " + c.restart;
      EXPECT_EQ(shutdownTick(w)->checkState(), c.shutdownState) << label;
      EXPECT_EQ(restartTick(w)->checkState(), c.restartState) << label;
      EXPECT_EQ(shutdownTick(w)->isEnabled(), c.shutdownEnabled) << label;
      EXPECT_EQ(restartTick(w)->isEnabled(), c.restartEnabled) << label;
    });
  }
}

TEST_F(SguiSimpleTest, BothTickedFromTheStoreCanBeUntangledByClicks) {
  store.preset(keyName(Setting::SimpleShutdown), QStringLiteral("1"));
  store.preset(keyName(Setting::SimpleRestart), QStringLiteral("1"));
  insideSimple([](QWidget* w) {
    clickTick(restartTick(w));
    EXPECT_FALSE(restartTick(w)->isChecked());
    EXPECT_FALSE(restartTick(w)->isEnabled());  // Shutdown is still ticked
    clickTick(shutdownTick(w));
    EXPECT_TRUE(restartTick(w)->isEnabled());
  });
}

TEST_F(SguiSimpleTest, SaveWritesPlacementAndRowInOrderAndStaysOpen) {
  insideSimple([this](QWidget* w) {
    w->move(150, 90);
    QTest::keyClicks(nameBox(w), QStringLiteral(" PC 01 "));
    timeoutBox(w)->clear();
    QTest::keyClicks(timeoutBox(w), QStringLiteral("60"));
    clickTick(restartTick(w));
    clickTick(forceTick(w));
    store.clearAccesses();
    click(w, QStringLiteral("SAVE_BUTTON"));
    EXPECT_TRUE(w->isVisible());
    const QStringList rowWrites{
        keyName(Setting::SimplePcName) + "= PC 01 ", keyName(Setting::ShutdownTimeout) + "=60",
        keyName(Setting::SimpleShutdown) + "=0", keyName(Setting::SimpleRestart) + "=1",
        keyName(Setting::SimpleForce) + "=1"};
    EXPECT_EQ(store.writes(), positionWrites("2250", "1350") + rowWrites);
    EXPECT_EQ(store.readKeys(), QStringList{});
  });
  insideSimple([](QWidget* w) {
    EXPECT_EQ(nameBox(w)->text(), QStringLiteral(" PC 01 "));
    EXPECT_EQ(timeoutBox(w)->text(), QStringLiteral("60"));
    EXPECT_TRUE(restartTick(w)->isChecked());
    EXPECT_FALSE(shutdownTick(w)->isEnabled());
    EXPECT_TRUE(forceTick(w)->isChecked());
  });
}

TEST_F(SguiSimpleTest, EveryWayOfClosingLosesUnsavedEditsButSavesThePosition) {
  struct Road {
    const char* name;
    std::function<void(QWidget*)> close;
    int positionWriteCount;  // the Close button writes, then the close writes again
  };
  const Road roads[] = {
      {"Close", [](QWidget* w) { click(w, QStringLiteral("CLOSE_BUTTON")); }, 2},
      {"Esc", [](QWidget* w) { QTest::keyClick(nameBox(w), Qt::Key_Escape); }, 2},
      {"Enter in the name", [](QWidget* w) { QTest::keyClick(nameBox(w), Qt::Key_Return); }, 2},
      {"Enter in the timeout",
       [](QWidget* w) { QTest::keyClick(timeoutBox(w), Qt::Key_Enter, Qt::KeypadModifier); }, 2},
      {"close box", [](QWidget* w) { w->close(); }, 1},
  };
  store.preset(keyName(Setting::SimplePcName), QStringLiteral("SAVED"));
  for (const Road& road : roads) {
    insideSimple([&](QWidget* w) {
      w->move(30, 45);
      nameBox(w)->setFocus();
      QTest::keyClicks(nameBox(w), QStringLiteral("EDIT"));
      clickTick(shutdownTick(w));
      store.clearAccesses();
      road.close(w);
      EXPECT_FALSE(w->isVisible()) << road.name;
    });
    QStringList expected;
    for (int i = 0; i < road.positionWriteCount; ++i) expected += positionWrites("450", "675");
    EXPECT_EQ(store.writes(), expected) << road.name;
    insideSimple([&](QWidget* w) {
      EXPECT_EQ(nameBox(w)->text(), QStringLiteral("SAVED")) << road.name;
      EXPECT_FALSE(shutdownTick(w)->isChecked()) << road.name;
      EXPECT_EQ(w->pos(), QPoint(30, 45)) << road.name;
    });
  }
}

TEST_F(SguiSimpleTest, RunAndAbortUseWhatTheRowShowsBeforeAnySave) {
  store.preset(keyName(Setting::SimplePcName), QStringLiteral("STORED"));
  insideSimple([this](QWidget* w) {
    nameBox(w)->setText(QStringLiteral("PC01"));
    timeoutBox(w)->setText(QStringLiteral("45"));
    clickTick(shutdownTick(w));
    clickTick(forceTick(w));
    click(w, QStringLiteral("RUN_SSS_BUTTON"));
    EXPECT_EQ(commandBox(w)->text(), QStringLiteral("shutdown /s /f /m \\\\PC01 /t 45"));
    click(w, QStringLiteral("ABORT_SSS_BUTTON"));
    EXPECT_EQ(commandBox(w)->text(), QStringLiteral("shutdown /a /m \\\\PC01"));
    EXPECT_EQ(launcher.launches,
              (QList<RecordingLauncher::Launch>{
                  {QStringLiteral("shutdown /s /f /m \\\\PC01 /t 45"), WindowStyle::Hidden},
                  {QStringLiteral("shutdown /a /m \\\\PC01"), WindowStyle::Hidden}}));
  });
  EXPECT_EQ(store.value(keyName(Setting::SimplePcName)), QStringLiteral("STORED"));
}

TEST_F(SguiSimpleTest, StoredSizeIsAppliedAndNeverWritten) {
  store.preset(placementName(WindowId::SguiSimple, PlacementEdge::Width), QStringLiteral("9090"));
  insideSimple([](QWidget* w) {
    EXPECT_EQ(w->width(), twipsToPixels(9090 - 90));
    click(w, QStringLiteral("SAVE_BUTTON"));
  });
  EXPECT_FALSE(
      store.writtenKeys().contains(placementName(WindowId::SguiSimple, PlacementEdge::Width)));
  EXPECT_FALSE(
      store.writtenKeys().contains(placementName(WindowId::SguiSimple, PlacementEdge::Height)));
}

TEST_F(SguiSimpleTest, TimeoutIsSharedWithTheAdvancedWindowThroughTheStoreOnly) {
  insideSimple([](QWidget* simple) {
    timeoutBox(simple)->setText(QStringLiteral("60"));
    click(simple, QStringLiteral("SAVE_BUTTON"));
    insideAdvancedFrom(simple, [simple](QWidget* advanced) {
      EXPECT_EQ(advanced->parentWidget(), simple);
      EXPECT_EQ(timeoutBox(advanced)->text(), QStringLiteral("60"));
      timeoutBox(advanced)->setText(QStringLiteral("90"));
      click(advanced, QStringLiteral("SAVE_BUTTON"));
    });
    EXPECT_EQ(timeoutBox(simple)->text(), QStringLiteral("60"));  // the open window keeps its own
    EXPECT_TRUE(simple->isVisible());
  });
  EXPECT_EQ(store.value(keyName(Setting::ShutdownTimeout)), QStringLiteral("90"));
  insideSimple([](QWidget* simple) {
    EXPECT_EQ(timeoutBox(simple)->text(), QStringLiteral("90"));
    timeoutBox(simple)->setText(QStringLiteral("120"));
    click(simple, QStringLiteral("SAVE_BUTTON"));
  });
  insideAdvanced(
      [](QWidget* advanced) { EXPECT_EQ(timeoutBox(advanced)->text(), QStringLiteral("120")); });
}

TEST_F(SguiSimpleTest, TheBarButtonOpensTheWindowOverTheBar) {
  FakeWindowManager windowManager;
  MainBar bar(AppServices{store, launcher, windowManager});
  inside(
      WindowId::SguiSimple, [&bar] { click(&bar, QStringLiteral("OL_SHUTDOWN_GUI_BUTTON")); },
      [&bar](QWidget* w) {
        EXPECT_EQ(w->parentWidget(), &bar);
        EXPECT_TRUE(w->isModal());
      });
}
