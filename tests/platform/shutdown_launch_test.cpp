// The real launcher starting a `shutdown` line: the program that stands in for Windows'
// command gets the line's arguments under the line's own program name.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/command_launcher.h"
#include "platform/command_line_split.h"
#include "platform/shutdown_program.h"
#include "probe_output.h"

namespace {

const QString kProbe = QStringLiteral(HALTDECK_PROBE_DIR "/haltdeck-probe");

class ShutdownLaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    qputenv("HALTDECK_PROBE_WITH_NAME", "1");
  }
  void TearDown() override {
    qunsetenv("HALTDECK_PROBE_WITH_NAME");
    qunsetenv(kShutdownProgramVariable);
  }

  QStringList launchAndRead(CommandLauncher& launcher, const QString& line) {
    const QString output = folder.filePath(QStringLiteral("probe-%1").arg(++outputs));
    qputenv("HALTDECK_PROBE_OUT", QFile::encodeName(output));
    launcher.launch(line, WindowStyle::Hidden);
    return readProbeArguments(output);
  }

  QTemporaryDir folder;
  ProbeOnPath probeOnPath;
  int outputs = 0;
};

const QString kLines[] = {
    QStringLiteral("shutdown /s /t 0"),
    QStringLiteral("shutdown /g /f /t 0"),
    QStringLiteral("shutdown.exe /i"),
    QStringLiteral("shutdown /s /f /m \\\\PC 01; $(reboot) /t 30"),
    QStringLiteral("shutdown /a /m \\\\\"-r --help\""),
};

TEST_F(ShutdownLaunchTest, TheLayerGetsTheLineSplitAsTodayUnderWindowsProgramName) {
  const auto launcher = createPlatformLauncher(kProbe);
  for (const QString& line : kLines) {
    EXPECT_EQ(launchAndRead(*launcher, line), splitWindowsCommandLine(line)) << line.toStdString();
  }
}

TEST_F(ShutdownLaunchTest, TheOverrideVariableWinsOverTheLayer) {
  qputenv(kShutdownProgramVariable, "haltdeck-probe");  // found on PATH
  const auto launcher = createPlatformLauncher(QStringLiteral("/nonexistent/shutdown"));
  for (const QString& line : kLines) {
    EXPECT_EQ(launchAndRead(*launcher, line), splitWindowsCommandLine(line)) << line.toStdString();
  }
}

TEST_F(ShutdownLaunchTest, OtherProgramsStartAsNamed) {
  qputenv(kShutdownProgramVariable, "/nonexistent/override");
  const auto launcher = createPlatformLauncher(QStringLiteral("/nonexistent/shutdown"));
  EXPECT_EQ(launchAndRead(*launcher, QStringLiteral("haltdeck-probe /s")),
            (QStringList{"haltdeck-probe", "/s"}));
}

}  // namespace
