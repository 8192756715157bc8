// The end of the user's session on Linux: SIGTERM, which systemd sends to every process of
// a session at log-off and shutdown, to a child process running the real bar over the real
// INI store. Every open window writes what its close writes, innermost first, then the bar.
#include <gtest/gtest.h>

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

}  // namespace
