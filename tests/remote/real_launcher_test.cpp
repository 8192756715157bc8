// Remote command lines started for real, with the probe program standing in for
// `shutdown`: what reaches a program is the line split by the Windows command-line rules,
// and nothing of it is read by a shell.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/command_line_split.h"
#include "probe_output.h"
#include "program_swap_launcher.h"
#include "remote/remote_command_rules.h"
#include "remote_windows.h"

namespace {

const QString kProbe = QStringLiteral("haltdeck-probe");

class RealLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }

  // The probe started next writes its arguments to a fresh file, whose path is returned.
  QString nextProbeOutput() {
    const QString path = folder.filePath(QStringLiteral("probe-%1.out").arg(++outputs));
    qputenv("HALTDECK_PROBE_OUT", QFile::encodeName(path));
    return path;
  }

  static QStringList probeArguments(const QString& path) { return readProbeArguments(path); }

  QTemporaryDir folder;
  ProbeOnPath probeOnPath;
  int outputs = 0;
  std::unique_ptr<CommandLauncher> real = createPlatformLauncher();
  ProgramSwapLauncher launcher{*real, [](const QString&) { return kProbe; }};
};

}  // namespace

TEST_F(RealLauncherTest, NamesReachTheProgramSplitOnlyByTheWindowsRules) {
  const QString shellRan = folder.filePath(QStringLiteral("shell-ran"));
  const QString redirected = folder.filePath(QStringLiteral("redirected"));
  const QString names[] = {
      QStringLiteral("PC01 & calc"),
      QStringLiteral("$(reboot)"),
      QStringLiteral("`reboot`"),
      QStringLiteral("PC01; reboot"),
      QStringLiteral("PC01 | reboot"),
      QStringLiteral("PC01 && reboot || reboot"),
      QStringLiteral("\"PC 01\" x"),
      QStringLiteral("PC\"01 /f\" '/x y'"),
      QStringLiteral("PC01\\\" /r"),
      QStringLiteral("\\\\PC01 %PATH% !x! ^&"),
      QStringLiteral("$(touch ") + shellRan + u')',
      QStringLiteral("PC01 > ") + redirected,
  };
  for (const QString& name : names) {
    const QStringList lines = runCommandLines({name, QStringLiteral("30"), 1, 0, 0}) +
                              QStringList{abortCommandLine(name)};
    for (const QString& line : lines) {
      const QString output = nextProbeOutput();
      launcher.launch(line, WindowStyle::Hidden);
      EXPECT_EQ(probeArguments(output), splitWindowsCommandLine(line).mid(1)) << line.toStdString();
    }
  }
  EXPECT_TRUE(launcher.refused.isEmpty());
  EXPECT_FALSE(QFile::exists(shellRan));
  EXPECT_FALSE(QFile::exists(redirected));
}

TEST_F(RealLauncherTest, ShellCharactersArriveAsPlainArgumentText) {
  struct Case {
    QString name;
    QStringList arguments;
  };
  const Case cases[] = {
      {"PC01 & calc", {"/s", "/m", "\\\\PC01", "&", "calc", "/t", "30"}},
      {"$(reboot)", {"/s", "/m", "\\\\$(reboot)", "/t", "30"}},
      {"`reboot`;|", {"/s", "/m", "\\\\`reboot`;|", "/t", "30"}},
      // The prefix's two backslashes before a quote are one backslash and an opening quote.
      {"\"PC 01\"", {"/s", "/m", "\\PC 01", "/t", "30"}},
  };
  for (const Case& c : cases) {
    const QString output = nextProbeOutput();
    launcher.launch(runCommandLines({c.name, QStringLiteral("30"), 1, 0, 0}).first(),
                    WindowStyle::Hidden);
    EXPECT_EQ(probeArguments(output), c.arguments) << c.name.toStdString();
  }
}

TEST_F(RealLauncherTest, WhatTheSimpleWindowRunsIsWhatItTyped) {
  RecordingStore store;
  const QString output = nextProbeOutput();
  inside(
      WindowId::SguiSimple, [&] { openWindow<SguiSimple>(nullptr, store, launcher); },
      [](QWidget* w) {
        QTest::keyClicks(control<QLineEdit>(w, keyName(Setting::SimplePcName)),
                         QStringLiteral("PC01 & calc"));
        clickTick(control<QCheckBox>(w, keyName(Setting::SimpleRestart)));
        click(w, QStringLiteral("RUN_SSS_BUTTON"));
      });
  EXPECT_EQ(probeArguments(output), (QStringList{"/g", "/m", "\\\\PC01", "&", "calc", "/t", "30"}));
}

TEST_F(RealLauncherTest, AbortAllGoesOnPastLaunchesThatFail) {
  // Rows 1 to 29 name a program that does not exist; only row 30 reaches the probe.
  ProgramSwapLauncher failing{*real, [](const QString& line) {
                                return line.endsWith(QLatin1String("LAST"))
                                           ? kProbe
                                           : QStringLiteral("haltdeck-no-such-program");
                              }};
  RecordingStore store;
  for (int n = 1; n < kRemoteRowCount; ++n) {
    store.preset(keyName(Setting::RowPcName, n), QStringLiteral("PC%1").arg(n));
  }
  store.preset(keyName(Setting::RowPcName, kRemoteRowCount), QStringLiteral("LAST"));
  const QString output = nextProbeOutput();
  inside(
      WindowId::SguiAdvanced, [&] { openWindow<SguiAdvanced>(nullptr, store, failing); },
      [](QWidget* w) { click(w, QStringLiteral("ABORT_ALL_BUTTON")); });
  EXPECT_EQ(failing.launched.size(), 30);
  EXPECT_EQ(probeArguments(output), (QStringList{"/a", "/m", "\\\\LAST"}));
}

TEST(ProgramSwapLauncher, NeverPassesOnALineThatWouldStartShutdown) {
  RecordingLauncher recorder;
  ProgramSwapLauncher swap{
      recorder, [](const QString& line) {
        return line.contains(QLatin1String("SELF")) ? QStringLiteral("Shutdown") : kProbe;
      }};
  swap.launch(QStringLiteral("shutdown /a /m \\\\PC01"), WindowStyle::Hidden);
  swap.launch(QStringLiteral("shutdown.exe /i"), WindowStyle::Hidden);
  swap.launch(QStringLiteral("shutdown /a /m \\\\SELF"), WindowStyle::Hidden);
  EXPECT_EQ(recorder.commandLines(), QStringList{QStringLiteral("haltdeck-probe /a /m \\\\PC01")});
  EXPECT_EQ(swap.refused.size(), 2);
}
