// The end of the user's session: SIGTERM to a child process running the real bar over the
// real INI store, and the session manager's commit request in this process. Every open
// window writes what its close writes, innermost first, then the bar its unload.
#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>

#include "app/main_bar.h"
#include "app/session_close.h"
#include "fake_window_manager.h"
#include "platform/session_end.h"
#include "qt_printers.h"
#include "recording_launcher.h"
#include "recording_store.h"
#include "window_driver.h"

namespace {

struct SessionEndCase {
  const char* scene;
  QStringList writes;  // in order, as the store saw them
};

class SigtermTest : public ::testing::TestWithParam<SessionEndCase> {};

TEST_P(SigtermTest, WritesWhatEveryOpenWindowsCloseWritesThenExitsZero) {
  const SessionEndCase& expected = GetParam();
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QProcess run;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  run.setProcessEnvironment(environment);
  run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  run.start(QStringLiteral(HALTDECK_SESSION_END_RUN),
            {QStringLiteral("session"), QLatin1String(expected.scene)});

  QByteArray output;
  while (!output.contains("ready\n")) {
    ASSERT_TRUE(run.waitForReadyRead(20000)) << "the windows did not open: " << output.data();
    output += run.readAllStandardOutput();
  }
  ::kill(pid_t(run.processId()), SIGTERM);
  ASSERT_TRUE(run.waitForFinished(20000));
  output += run.readAllStandardOutput();
  EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(run.exitCode(), 0);

  QStringList writes = QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts);
  writes.removeFirst();  // "ready"
  EXPECT_EQ(writes, expected.writes);

  QSettings onDisk(folder.filePath(QStringLiteral("OL_HALTDECK/session.ini")),
                   QSettings::IniFormat);
  for (const QString& write : expected.writes) {
    const QString key = write.section(u'=', 0, 0);
    EXPECT_EQ(onDisk.value(key).toString(), write.section(u'=', 1)) << key.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    SessionEnd, SigtermTest,
    ::testing::Values(SessionEndCase{"bar",
                                     {"MAIN_Left=3000", "MAIN_Top=4500", "AlwaysOnTop_TICKBOX=1"}},
                      // Always On Top cleared in ABOUT and not saved still reaches the store.
                      SessionEndCase{"about",
                                     {"ABOUT_Left=6000", "ABOUT_Top=7500", "MAIN_Left=3000",
                                      "MAIN_Top=4500", "AlwaysOnTop_TICKBOX=0"}},
                      SessionEndCase{"remote",
                                     {"SGUI_ADV_Left=1800", "SGUI_ADV_Top=1950",
                                      "SGUI_SIM_Left=1500", "SGUI_SIM_Top=1650", "MAIN_Left=3000",
                                      "MAIN_Top=4500", "AlwaysOnTop_TICKBOX=1"}}),
    [](const auto& info) { return std::string(info.param.scene); });

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
