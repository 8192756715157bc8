#include "actions/run_now_dispatch.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QStringList>
#include "qt_printers.h"

namespace {

const char* mirrorName(Setting mirror) {
  switch (mirror) {
    case Setting::AlwaysOnTop:
      return "AlwaysOnTop";
    case Setting::RunNowShutdown:
      return "Shutdown";
    case Setting::RunNowRestart:
      return "Restart";
    case Setting::RunNowHibernate:
      return "Hibernate";
    case Setting::RunNowLogoff:
      return "Logoff";
    case Setting::RunNowAlwaysAsk:
      return "AlwaysAsk";
    default:
      break;
  }
  return "?";
}

// Plays the bar: holds the mirrors and the label, and records every step the dispatch
// takes. A window "closes" as soon as it is opened, after running onOpen.
class RecordingBar {
 public:
  RunNowHooks hooks() {
    return {
        .readMirror =
            [this](Setting mirror) {
              events.append(QStringLiteral("read %1").arg(mirrorName(mirror)));
              return mirrors.value(mirror, 0);
            },
        .setActionLabel =
            [this](const QString& text) {
              label = text;
              events.append(QStringLiteral("label ") + text);
            },
        .openConfirmAction =
            [this] {
              events.append(QStringLiteral("confirm ") + label);
              if (onOpen) onOpen();
            },
        .openRunOption =
            [this] {
              events.append(QStringLiteral("options"));
              if (onOpen) onOpen();
            },
    };
  }

  QStringList opened() const {
    QStringList windows;
    for (const QString& event : events) {
      if (!event.startsWith(QLatin1String("read")) && !event.startsWith(QLatin1String("label")))
        windows.append(event);
    }
    return windows;
  }

  QMap<Setting, int> mirrors;
  QString label = QStringLiteral("ACTION_TEXTBOX");
  std::function<void()> onOpen;
  QStringList events;
};

TEST(RunNowDispatch, NothingTickedReadsAllFiveInOrderAndOpensNothing) {
  RecordingBar bar;
  dispatchRunNow(bar.hooks());
  EXPECT_EQ(bar.events, QStringList({"read Shutdown", "read Restart", "read Hibernate",
                                     "read Logoff", "read AlwaysAsk"}));
  EXPECT_EQ(bar.label, "ACTION_TEXTBOX");
}

TEST(RunNowDispatch, OneTickedBoxOpensItsWindow) {
  const struct {
    Setting ticked;
    QStringList events;
  } cases[] = {
      {Setting::RunNowShutdown,
       {"read Shutdown", "label SHUTDOWN PC", "confirm SHUTDOWN PC", "read Restart",
        "read Hibernate", "read Logoff", "read AlwaysAsk"}},
      {Setting::RunNowRestart,
       {"read Shutdown", "read Restart", "label RESTART PC", "confirm RESTART PC", "read Hibernate",
        "read Logoff", "read AlwaysAsk"}},
      {Setting::RunNowHibernate,
       {"read Shutdown", "read Restart", "read Hibernate", "label HIBERNATE PC",
        "confirm HIBERNATE PC", "read Logoff", "read AlwaysAsk"}},
      {Setting::RunNowLogoff,
       {"read Shutdown", "read Restart", "read Hibernate", "read Logoff",
        "label LOGOFF CURRENT USER", "confirm LOGOFF CURRENT USER", "read AlwaysAsk"}},
      // Always Ask leaves the label alone: the select-option window writes it.
      {Setting::RunNowAlwaysAsk,
       {"read Shutdown", "read Restart", "read Hibernate", "read Logoff", "read AlwaysAsk",
        "options"}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(mirrorName(test.ticked));
    RecordingBar bar;
    bar.mirrors[test.ticked] = 1;
    dispatchRunNow(bar.hooks());
    EXPECT_EQ(bar.events, test.events);
  }
}

TEST(RunNowDispatch, EveryTickedBoxOpensItsWindowInTurn) {
  RecordingBar bar;
  bar.mirrors = {{Setting::RunNowShutdown, 1}, {Setting::RunNowLogoff, 1}};
  dispatchRunNow(bar.hooks());
  EXPECT_EQ(bar.opened(), QStringList({"confirm SHUTDOWN PC", "confirm LOGOFF CURRENT USER"}));

  RecordingBar all;
  for (Setting mirror : kMirroredSettings) all.mirrors[mirror] = 1;
  dispatchRunNow(all.hooks());
  EXPECT_EQ(all.opened(),
            QStringList({"confirm SHUTDOWN PC", "confirm RESTART PC", "confirm HIBERNATE PC",
                         "confirm LOGOFF CURRENT USER", "options"}));
  EXPECT_EQ(all.label, "LOGOFF CURRENT USER");
}

TEST(RunNowDispatch, OnlyExactlyOneCountsAsTicked) {
  RecordingBar bar;
  bar.mirrors = {{Setting::RunNowShutdown, 2},
                 {Setting::RunNowRestart, 1},
                 {Setting::RunNowHibernate, 2},
                 {Setting::RunNowLogoff, -1},
                 {Setting::RunNowAlwaysAsk, 2}};
  dispatchRunNow(bar.hooks());
  EXPECT_EQ(bar.opened(), QStringList({"confirm RESTART PC"}));
}

TEST(RunNowDispatch, ReadsEachBoxAtTheMomentOfItsTest) {
  // A box that becomes ticked while an earlier window is open counts; one cleared by then
  // does not.
  RecordingBar bar;
  bar.mirrors = {{Setting::RunNowShutdown, 1}, {Setting::RunNowHibernate, 1}};
  bar.onOpen = [&bar] {
    bar.mirrors[Setting::RunNowLogoff] = 1;
    bar.mirrors[Setting::RunNowHibernate] = 0;
  };
  dispatchRunNow(bar.hooks());
  EXPECT_EQ(bar.opened(), QStringList({"confirm SHUTDOWN PC", "confirm LOGOFF CURRENT USER"}));
}

}  // namespace
