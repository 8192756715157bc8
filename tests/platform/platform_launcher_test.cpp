#include <gtest/gtest.h>

#include "qt_printers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "platform/command_launcher.h"
#include "platform/command_line_split.h"
#include "probe_output.h"

namespace {

// Starts the probe program through the real launcher and reads back what it was given.
class PlatformLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    qputenv("HALTDECK_PROBE_OUT", output().toUtf8());
  }

  QString output() const { return folder_.filePath("arguments"); }

  // The probe's arguments, or nothing if it did not write them within a few seconds.
  std::optional<QStringList> probeArguments() {
    QDeadlineTimer deadline(5000);
    QFile file(output());
    // On Windows the record can be in place a moment before the probe has let go of it.
    while (!file.open(QIODevice::ReadOnly)) {
      if (deadline.hasExpired()) return std::nullopt;
      QThread::msleep(5);
    }
    QStringList arguments;
    for (const QByteArray& argument : file.readAll().split('\0')) {
      arguments.append(QString::fromUtf8(argument));
    }
    arguments.removeLast();  // after the last NUL
    file.close();            // Windows removes no file that is open
    QFile::remove(output());
    return arguments;
  }

  QTemporaryDir folder_;
  ProbeOnPath probeOnPath;
};

TEST_F(PlatformLauncherTest, ArgumentsArriveAsTheWindowsRulesSplitThemAndNoShellRuns) {
  const char* tails[] = {
      "/s /m \\\\PC01 /t 30",
      "/a /m \\\\PC01 & calc",
      "/s /m \\\\$(touch pwned) /t `touch pwned`",
      "/g /m \\\\a;b|c > out /t 30",
      "/s /m \\\\\\\\server\\share /t 5",
      "/s /m \\\\\"name with blanks\" /t 30",
      "/s /m \\\\it\\\"s /t \"",
      "/s /m \\\\* ~ $HOME %PATH% /t 0",
  };
  const auto launcher = createPlatformLauncher();
  for (const char* tail : tails) {
    const QString line = QStringLiteral("haltdeck-probe ") + QString::fromUtf8(tail);
    launcher->launch(line, WindowStyle::Hidden);
    const auto arguments = probeArguments();
    ASSERT_TRUE(arguments) << tail;
    EXPECT_EQ(*arguments, splitWindowsCommandLine(line).mid(1)) << tail;
  }
  EXPECT_FALSE(QFile::exists(folder_.filePath("pwned")));
  EXPECT_FALSE(QFile::exists(QDir::current().filePath("pwned")));
  EXPECT_FALSE(QFile::exists(QDir::current().filePath("out")));
}

TEST_F(PlatformLauncherTest, ReturnsWithoutWaitingForTheProgram) {
  const auto launcher = createPlatformLauncher();
  QElapsedTimer clock;
  clock.start();
  launcher->launch("sleep 5", WindowStyle::Hidden);
  EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(PlatformLauncherTest, AProgramThatCannotStartIsNotTheCallersProblem) {
  const auto launcher = createPlatformLauncher();
  launcher->launch("haltdeck-no-such-program /s", WindowStyle::Hidden);
  launcher->launch("", WindowStyle::Hidden);
  launcher->launch("\"\" /s", WindowStyle::NormalWithFocus);
  launcher->launch("haltdeck-probe after", WindowStyle::Hidden);
  EXPECT_EQ(probeArguments(), QStringList{"after"});
}

// Children of this process, running or ended but not collected (zombies).
int childProcesses() {
  int children = 0;
  const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
  for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
    QFile stat("/proc/" + entry + "/stat");
    if (!stat.open(QIODevice::ReadOnly)) continue;
    // "pid (name) state ppid ...": the name may hold blanks, so split after its ")".
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() > 1 && fields[1] == self) ++children;
  }
  return children;
}

TEST_F(PlatformLauncherTest, LeavesNoZombieBehind) {
  const auto launcher = createPlatformLauncher();
  for (int i = 0; i < 5; ++i) {
    launcher->launch("haltdeck-probe " + QString::number(i), WindowStyle::Hidden);
    ASSERT_TRUE(probeArguments());
  }
  // The probes end on their own; an uncollected one would stay a zombie child for good.
  QDeadlineTimer deadline(30000);
  while (childProcesses() > 0 && !deadline.hasExpired()) QThread::msleep(10);
  EXPECT_EQ(childProcesses(), 0);
}

}  // namespace
