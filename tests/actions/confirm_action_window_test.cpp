#include "actions/confirm_action_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTextEdit>
#include <functional>
#include "qt_printers.h"

#include "bar_harness.h"
#include "layout_check.h"
#include "widgets/twips.h"

namespace {

const WindowId kWindow = WindowId::ConfirmAction;

// Opens the confirmation over the bar with the bar holding label, runs actions while it is
// open, and returns once it has closed.
void openConfirmation(BarHarness& harness, const QString& label,
                      const ModalScript::Action& whileOpen) {
  harness.bar().setActionLabel(label);
  ModalScript script;
  script.then(kConfirmWindow, whileOpen).start();
  openWindow<ConfirmActionWindow>(&harness.bar(), harness.bar(), harness.store, harness.launcher);
  EXPECT_TRUE(script.finished());
}

QString shownLabel(QWidget* window) {
  return control<QLineEdit>(window, "ACTION_TEXTBOX")->text();
}

TEST(ConfirmActionWindow, LoadsPlacementThenCopiesTheBarLabel) {
  BarHarness harness;
  harness.store.preset(leftKey(kWindow), "1500");
  harness.store.preset(topKey(kWindow), "750");
  openConfirmation(harness, "HIBERNATE PC", [&](QWidget* window) {
    EXPECT_EQ(shownLabel(window), "HIBERNATE PC");
    EXPECT_EQ(window->pos(), QPoint(100, 50));
    EXPECT_EQ(window->size(), QSize(338, 196));  // 5070 x 2940 twips of client area
    EXPECT_EQ(window->parentWidget(), &harness.bar());
    // The copy is taken once: a later change of the bar's label is not seen, and OK runs
    // the label the window shows.
    harness.bar().setActionLabel("SHUTDOWN PC");
    EXPECT_EQ(shownLabel(window), "HIBERNATE PC");
    press(window, "OK_BUTTON");
  });
  EXPECT_EQ(harness.store.readKeys(),
            QStringList({leftKey(kWindow), topKey(kWindow), keyName(kWindow, PlacementEdge::Width),
                         keyName(kWindow, PlacementEdge::Height)}));
  EXPECT_EQ(harness.launcher.launches,
            QList<RecordingLauncher::Launch>({{"shutdown /h", WindowStyle::Hidden}}));
  EXPECT_EQ(harness.bar().actionLabel(), "SHUTDOWN PC");  // the window never writes it
}

TEST(ConfirmActionWindow, OkRunsEachCatalogueLabelHidden) {
  const QStringList labels = {"SHUTDOWN PC", "RESTART PC", "HIBERNATE PC", "LOGOFF CURRENT USER"};
  const QStringList commands = {"shutdown /s /t 0", "shutdown /g /f /t 0", "shutdown /h",
                                "shutdown /l"};
  for (qsizetype i = 0; i < labels.size(); ++i) {
    SCOPED_TRACE(labels[i].toStdString());
    BarHarness harness;
    openConfirmation(harness, labels[i], [](QWidget* window) { press(window, "OK_BUTTON"); });
    EXPECT_EQ(harness.launcher.launches,
              QList<RecordingLauncher::Launch>({{commands[i], WindowStyle::Hidden}}));
  }
}

TEST(ConfirmActionWindow, OkWithALabelOutsideTheCatalogueDoesNothing) {
  // The bar's initial text, and near misses of a catalogue label.
  const QStringList labels = {"ACTION_TEXTBOX", "hibernate pc",  "HIBERNATE PC ",
                              "HIBERNATE  PC",  " HIBERNATE PC", ""};
  for (const QString& label : labels) {
    SCOPED_TRACE(label.toStdString());
    BarHarness harness;
    openConfirmation(harness, label, [&](QWidget* window) {
      harness.store.clearAccesses();
      press(window, "OK_BUTTON");
      press(window, "OK_BUTTON");
      EXPECT_TRUE(window->isVisible());
      EXPECT_TRUE(harness.store.accesses().isEmpty());
      window->close();
    });
    EXPECT_TRUE(harness.launcher.launches.isEmpty());
  }
}

TEST(ConfirmActionWindow, EveryCloseWritesThePositionAndCancelWritesItTwice) {
  const QStringList once = {leftKey(kWindow) + "=1500", topKey(kWindow) + "=750"};
  const QStringList twice = once + once;
  const struct {
    const char* way;
    std::function<void(QWidget*)> close;
    QStringList writes;
    QStringList launched;
  } cases[] = {
      {"Cancel button", [](QWidget* w) { press(w, "CANCEL_BUTTON"); }, twice, {}},
      {"Enter right after opening", [](QWidget* w) { key(w, Qt::Key_Return); }, twice, {}},
      {"Esc", [](QWidget* w) { key(w, Qt::Key_Escape); }, twice, {}},
      {"Esc with the focus on OK",
       [](QWidget* w) {
         key(w, Qt::Key_Tab);
         key(w, Qt::Key_Escape);
       },
       twice,
       {}},
      {"close box", [](QWidget* w) { w->close(); }, once, {}},
      {"OK", [](QWidget* w) { press(w, "OK_BUTTON"); }, once, {"shutdown /l"}},
      {"Enter with the focus on OK",
       [](QWidget* w) {
         key(w, Qt::Key_Tab);
         key(w, Qt::Key_Return);
       },
       once,
       {"shutdown /l"}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.way);
    BarHarness harness;
    openConfirmation(harness, "LOGOFF CURRENT USER", [&](QWidget* window) {
      window->move(100, 50);  // where the user dragged it
      harness.store.clearAccesses();
      test.close(window);
    });
    EXPECT_EQ(harness.store.writes(), test.writes);
    EXPECT_EQ(harness.launcher.commandLines(), test.launched);
  }
}

TEST(ConfirmActionWindow, OpensWithTheFocusOnCancelAndTabsOnlyBetweenTheButtons) {
  BarHarness harness;
  openConfirmation(harness, "SHUTDOWN PC", [](QWidget* window) {
    QStringList visited = {window->focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
      key(window, Qt::Key_Tab);
      visited.append(window->focusWidget()->objectName());
    }
    EXPECT_EQ(visited, QStringList({"CANCEL_BUTTON", "OK_BUTTON", "CANCEL_BUTTON", "OK_BUTTON",
                                    "CANCEL_BUTTON"}));
    window->close();
  });
  EXPECT_TRUE(harness.launcher.launches.isEmpty());
}

TEST(ConfirmActionWindow, ShowsItsLayout) {
  BarHarness harness;
  openConfirmation(harness, "HIBERNATE PC", [](QWidget* window) {
    EXPECT_EQ(window->windowTitle(), "OL-HALTDECK - !!! CONFIRM ACTION !!!");
    const ExpectedLook caption{"Arial", 12, QFont::Bold};
    const QList<ExpectedControl> controls = {
        {"OL_TITLE_1_TEXTBOX", "OAK-LANTERN", {120, 0, 1815, 285}, kTitleLook},
        {"OL_TITLE_3_TEXTBOX", "OL-HD", {2040, 0, 855, 285}, kTitleLook},
        {"OL_TITLE_2_TEXTBOX", "OL-HALTDECK", {3000, 0, 1935, 285}, kTitleLook},
        {"ACTION_TEXTBOX",
         "HIBERNATE PC",
         {240, 360, 4575, 375},
         {"Arial", 14.25, QFont::Bold, "#00FFFF", "#FF0000", Qt::AlignHCenter}},
        {"OK_BUTTON", "OK", {840, 960, 1335, 975}, caption},
        {"CANCEL_BUTTON", "Cancel", {2760, 960, 1335, 975}, caption},
        {"CONFIRM_ACTION_QUESTION_TEXTBOX",
         "!!! CONFIRM ACTION !!!\n",
         {240, 2160, 4575, 405},
         {"Arial", 14.25, QFont::Bold, "", "#FF8080", Qt::AlignHCenter}},
    };
    expectLayout(window, controls);
    for (const ExpectedControl& expected : controls) {
      QWidget* widget = control<QWidget>(window, expected.name);
      if (!qobject_cast<QPushButton*>(widget)) {
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << expected.name.toStdString();
      }
    }
    saveScreenshot(window, "confirm_action_window");
    window->close();
  });
}

}  // namespace
