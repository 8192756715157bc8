// Hostile computer names and timeouts, stored and then run from both remote windows
// through the real launcher, with the probe program standing in for `shutdown`: each line
// is the stored text exactly as the rules build it, each program receives its arguments
// as the Windows command-line rules split that line, and no shell ever runs any of it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include "qt_printers.h"

#include "../remote/program_swap_launcher.h"
#include "modal_script.h"
#include "platform/command_line_split.h"
#include "probe_output.h"
#include "recording_store.h"
#include "remote/remote_command_rules.h"
#include "remote/sgui_advanced.h"
#include "remote/sgui_simple.h"
#include "window_driver.h"

namespace {

// Gives every launch its own probe output file, then hands it on.
class ProbeOutputs : public CommandLauncher {
 public:
  ProbeOutputs(CommandLauncher& next, const QTemporaryDir& folder) : next_(next), folder_(folder) {}
  void launch(const QString& commandLine, WindowStyle style) override {
    const QString output = folder_.filePath(QStringLiteral("probe-%1.out").arg(lines.size()));
    qputenv("HALTDECK_PROBE_OUT", QFile::encodeName(output));
    lines.append(commandLine);
    outputs.append(output);
    next_.launch(commandLine, style);
  }
  QStringList lines;
  QStringList outputs;

 private:
  CommandLauncher& next_;
  const QTemporaryDir& folder_;
};

class HostileNames : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }

  // A command a shell would run; it leaves a file behind if anything ever does.
  QString shellWouldRun(const QString& how) {
    const QString marker = folder.filePath(QStringLiteral("shell-ran-%1").arg(markers.size()));
    markers.append(marker);
    return how.arg(QStringLiteral("touch ") + marker);
  }

  QStringList hostileTexts() {
    return {
        QStringLiteral("PC01\" & calc"),
        QStringLiteral("PC01 | reboot"),
        QStringLiteral("PC01; reboot"),
        shellWouldRun(QStringLiteral("$(%1)")),
        shellWouldRun(QStringLiteral("`%1`")),
        shellWouldRun(QStringLiteral("PC01; %1")),
        shellWouldRun(QStringLiteral("PC01 | %1")),
        shellWouldRun(QStringLiteral("PC01 && %1")),
        shellWouldRun(QStringLiteral("PC01\n%1")),
        shellWouldRun(QStringLiteral("\"; %1; \"")),
        QStringLiteral("PC01\r\n/r /f"),
        QStringLiteral("\"PC 01\"\t/f \"\""),
        QStringLiteral("PC\\\"01 \\\\\" /x"),
        QStringLiteral("'single' %PATH% ^& !x! > out < in"),
        QString(10000, u'A'),
        QStringLiteral("\"") + QString(9999, u'\\'),
    };
  }

  static QStringList probeArguments(const QString& path) { return readProbeArguments(path); }

  // Every line reached a probe split by the Windows rules, and no shell ran.
  void expectEveryLineReachedTheProbeAsSplit() {
    ASSERT_EQ(swap.launched.size(), probes.lines.size());
    EXPECT_TRUE(swap.refused.isEmpty());
    for (qsizetype i = 0; i < swap.launched.size(); ++i) {
      EXPECT_EQ(probeArguments(probes.outputs[i]), splitWindowsCommandLine(swap.launched[i]).mid(1))
          << swap.launched[i].left(200).toStdString();
    }
    for (const QString& marker : markers) EXPECT_FALSE(QFile::exists(marker));
    EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("out"))));
  }

  QTemporaryDir folder;
  ProbeOnPath probeOnPath;
  QStringList markers;
  std::unique_ptr<CommandLauncher> real = createPlatformLauncher();
  ProbeOutputs probes{*real, folder};
  ProgramSwapLauncher swap{probes, [](const QString&) { return QStringLiteral("haltdeck-probe"); }};
  RecordingStore store;
};

QString key(Setting setting, int row = 0) {
  return settingKey(setting, row).name;
}

// The lines as the probe stands in for `shutdown` at their head.
QStringList withProbe(const QStringList& lines) {
  QStringList swapped;
  for (const QString& line : lines) {
    EXPECT_TRUE(line.startsWith(QLatin1String("shutdown ")));
    swapped.append(QStringLiteral("haltdeck-probe") + line.mid(8));
  }
  return swapped;
}

TEST_F(HostileNames, TheSimpleWindowRunsStoredNamesAndTimeoutsAsTyped) {
  const QStringList texts = hostileTexts();
  QStringList expected;
  for (qsizetype i = 0; i < texts.size(); ++i) {
    const QString name = texts[i];
    const QString timeout = texts[texts.size() - 1 - i];
    store.preset(key(Setting::SimplePcName), name);
    store.preset(key(Setting::ShutdownTimeout), timeout);
    store.preset(key(Setting::SimpleShutdown), QStringLiteral("1"));
    store.preset(key(Setting::SimpleForce), QString::number(i % 2));
    inside(
        WindowId::SguiSimple, [&] { openWindow<SguiSimple>(nullptr, store, swap); },
        [](QWidget* window) {
          click(window, QStringLiteral("RUN_SSS_BUTTON"));
          click(window, QStringLiteral("ABORT_SSS_BUTTON"));
        });
    expected += runCommandLines({name, timeout, 1, 0, int(i % 2)});
    expected += abortCommandLine(name);
  }
  EXPECT_EQ(probes.lines, withProbe(expected));
  expectEveryLineReachedTheProbeAsSplit();
  std::printf("hostile names, simple window: %lld lines reached the probe\n",
              (long long)swap.launched.size());
}

TEST_F(HostileNames, TheAdvancedWindowsBatchAndAbortAllRunThemAsTyped) {
  const QStringList names = hostileTexts();
  ASSERT_LE(names.size(), kRemoteRowCount);
  for (qsizetype i = 0; i < names.size(); ++i) {
    const int row = int(i) + 1;
    store.preset(key(Setting::RowPcName, row), names[i]);
    store.preset(key(Setting::RowBatchRun, row), QStringLiteral("1"));
    store.preset(key(Setting::RowRestart, row), QStringLiteral("1"));
  }
  QStringList expected;
  inside(
      WindowId::SguiAdvanced, [&] { openWindow<SguiAdvanced>(nullptr, store, swap); },
      [&](QWidget* window) {
        control<QCheckBox>(window, QStringLiteral("ENABLE_BATCH_RUN_TICKBOX"))->setChecked(true);
        for (const QString& timeout : {names[3], names[8], names[14], QString()}) {
          control<QLineEdit>(window, key(Setting::ShutdownTimeout))->setText(timeout);
          click(window, QStringLiteral("BATCH_RUN_BUTTON"));
          for (const QString& name : names) expected += runCommandLines({name, timeout, 0, 1, 0});
        }
        click(window, QStringLiteral("ABORT_ALL_BUTTON"));
        for (int row = 1; row <= kRemoteRowCount; ++row) {
          expected += abortCommandLine(row <= names.size() ? names[row - 1] : QString());
        }
      });
  EXPECT_EQ(probes.lines, withProbe(expected));
  expectEveryLineReachedTheProbeAsSplit();
  std::printf("hostile names, advanced window: %lld lines reached the probe\n",
              (long long)swap.launched.size());
}

}  // namespace
