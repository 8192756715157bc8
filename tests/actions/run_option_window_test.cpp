#include "actions/run_option_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <functional>
#include "qt_printers.h"

#include "actions/confirm_action_window.h"
#include "bar_harness.h"
#include "layout_check.h"
#include "widgets/twips.h"

namespace {

const WindowId kWindow = WindowId::RunOptions;
const WindowId kConfirm = WindowId::ConfirmAction;

void openRunOptions(BarHarness& harness, ModalScript& script) {
  script.start();
  openWindow<RunOptionWindow>(&harness.bar(), harness.bar(), harness.store, harness.launcher);
  EXPECT_TRUE(script.finished());
}

TEST(RunOptionWindow, ClosesWithoutPickingAndWritesThePosition) {
  const QStringList once = {leftKey(kWindow) + "=1500", topKey(kWindow) + "=750"};
  const QStringList twice = once + once;
  const struct {
    const char* way;
    std::function<void(QWidget*)> close;
    QStringList writes;
  } cases[] = {
      {"Cancel button", [](QWidget* w) { press(w, "CANCEL_BUTTON"); }, twice},
      {"Enter right after opening", [](QWidget* w) { key(w, Qt::Key_Return); }, twice},
      {"Esc", [](QWidget* w) { key(w, Qt::Key_Escape); }, twice},
      {"Esc with the focus on Hibernate",
       [](QWidget* w) {
         key(w, Qt::Key_Tab);
         key(w, Qt::Key_Tab);
         key(w, Qt::Key_Escape);
       },
       twice},
      {"close box", [](QWidget* w) { w->close(); }, once},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.way);
    BarHarness harness;
    ModalScript script;
    script.then(kRunOptionWindow, [&](QWidget* window) {
      window->move(100, 50);
      harness.store.clearAccesses();
      test.close(window);
    });
    openRunOptions(harness, script);
    EXPECT_EQ(harness.store.writes(), test.writes);
    EXPECT_EQ(harness.bar().actionLabel(), "ACTION_TEXTBOX");
    EXPECT_TRUE(harness.launcher.launches.isEmpty());
  }
}

TEST(RunOptionWindow, EachActionButtonLeadsToOneConfirmationAndThenCloses) {
  const struct {
    const char* button;
    QString label;
  } cases[] = {
      {"SHUTDOWN_BUTTON", "SHUTDOWN PC"},
      {"RESTART_BUTTON", "RESTART PC"},
      {"HIBERNATE_BUTTON", "HIBERNATE PC"},
      {"LOGOFF_BUTTON", "LOGOFF CURRENT USER"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.button);
    BarHarness harness;
    QWidget* options = nullptr;
    ModalScript script;
    script
        .then(kRunOptionWindow,
              [&](QWidget* window) {
                options = window;
                harness.store.clearAccesses();
                later(window, [&test, window] { press(window, test.button); });
              })
        .then(kConfirmWindow, [&](QWidget* window) {
          EXPECT_EQ(harness.bar().actionLabel(), test.label);
          EXPECT_EQ(control<QLineEdit>(window, "ACTION_TEXTBOX")->text(), test.label);
          EXPECT_EQ(window->parentWidget(), options);
          EXPECT_TRUE(options->isVisible());
          press(window, "CANCEL_BUTTON");
        });
    openRunOptions(harness, script);
    // The confirmation loads and closes (Cancel: twice), then this window closes once.
    EXPECT_EQ(harness.store.writtenKeys(),
              QStringList({leftKey(kConfirm), topKey(kConfirm), leftKey(kConfirm), topKey(kConfirm),
                           leftKey(kWindow), topKey(kWindow)}));
    EXPECT_EQ(harness.bar().actionLabel(), test.label);
    EXPECT_TRUE(harness.launcher.launches.isEmpty());
    EXPECT_EQ(harness.bar().findChild<RunOptionWindow*>(), nullptr);
  }
}

TEST(RunOptionWindow, HibernateThenOkRunsItAndClosesBothWindows) {
  BarHarness harness;
  ModalScript script;
  script
      .then(kRunOptionWindow,
            [&](QWidget* window) {
              harness.store.clearAccesses();
              later(window, [window] { press(window, "HIBERNATE_BUTTON"); });
            })
      .then(kConfirmWindow, [](QWidget* window) { press(window, "OK_BUTTON"); });
  openRunOptions(harness, script);
  EXPECT_EQ(harness.launcher.launches,
            QList<RecordingLauncher::Launch>({{"shutdown /h", WindowStyle::Hidden}}));
  EXPECT_EQ(harness.store.writtenKeys(),
            QStringList({leftKey(kConfirm), topKey(kConfirm), leftKey(kWindow), topKey(kWindow)}));
}

TEST(RunOptionWindow, OpensWithTheFocusOnCancelAndTabsLeftwardsAmongTheButtons) {
  BarHarness harness;
  ModalScript script;
  script.then(kRunOptionWindow, [](QWidget* window) {
    QStringList visited = {window->focusWidget()->objectName()};
    for (int i = 0; i < 5; ++i) {
      key(window, Qt::Key_Tab);
      visited.append(window->focusWidget()->objectName());
    }
    EXPECT_EQ(visited, QStringList({"CANCEL_BUTTON", "LOGOFF_BUTTON", "HIBERNATE_BUTTON",
                                    "RESTART_BUTTON", "SHUTDOWN_BUTTON", "CANCEL_BUTTON"}));
    window->close();
  });
  openRunOptions(harness, script);
}

TEST(RunOptionWindow, EnterPressesTheButtonThatHasTheFocus) {
  BarHarness harness;
  ModalScript script;
  script
      .then(kRunOptionWindow,
            [](QWidget* window) {
              key(window, Qt::Key_Tab);  // Logoff
              later(window, [window] { key(window, Qt::Key_Return); });
            })
      .then(kConfirmWindow, [](QWidget* window) { window->close(); });
  openRunOptions(harness, script);
  EXPECT_EQ(harness.bar().actionLabel(), "LOGOFF CURRENT USER");
}

TEST(RunOptionWindow, ShowsItsLayout) {
  BarHarness harness;
  ModalScript script;
  script.then(kRunOptionWindow, [](QWidget* window) {
    EXPECT_EQ(window->windowTitle(), "OL-HALTDECK - SELECT OPTION:");
    EXPECT_EQ(window->pos(), QPoint(67, 67));    // 1000 twips
    EXPECT_EQ(window->size(), QSize(297, 105));  // 4455 x 1575 twips of client area
    // The labels under the buttons are in the small body font, so that even "Logoff" fits.
    const ExpectedLook centred{"Arial", 8.25, QFont::Normal, "", "", Qt::AlignHCenter};
    const QList<ExpectedControl> controls = {
        {"OL_TITLE_1_TEXTBOX", "OAK-LANTERN", {120, 0, 2055, 285}, kTitleLook},
        {"OL_TITLE_2_TEXTBOX", "OL-HALTDECK", {2280, 0, 2055, 285}, kTitleLook},
        {"SHUTDOWN_BUTTON", "", {240, 360, 615, 615}},
        {"RESTART_BUTTON", "", {1080, 360, 615, 615}},
        {"HIBERNATE_BUTTON", "", {1920, 360, 615, 615}},
        {"LOGOFF_BUTTON", "", {2760, 360, 615, 615}},
        {"CANCEL_BUTTON", "", {3600, 360, 615, 615}},
        {"Label1", "Shutdown", {240, 1080, 735, 255}, centred},
        {"Label2", "Restart", {1080, 1080, 615, 255}, centred},
        {"Label4", "Hibernate", {1920, 1080, 735, 255}, centred},
        {"Label5", "Logoff", {2880, 1080, 495, 255}, centred},
        {"Label6", "Cancel", {3600, 1080, 615, 255}, centred},
    };
    expectLayout(window, controls);
    for (QLabel* label : window->findChildren<QLabel*>()) {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
          << label->objectName().toStdString() << " is cut off";
    }
    saveScreenshot(window, "run_option_window");
    window->close();
  });
  openRunOptions(harness, script);
}

}  // namespace
