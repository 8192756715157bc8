// The end of the session reaches the running program the Windows way: the helper sends
// WM_QUERYENDSESSION and WM_ENDSESSION to the bar, and the bar saves its three keys.
#include <gtest/gtest.h>
#include <windows.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include "reg_tool.h"

namespace {

QString besideTests(const char* program) {
  return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(program);
}

bool waitForBarWindow(int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  while (!deadline.hasExpired()) {
    if (FindWindowW(nullptr, L"OL-HALTDECK") != nullptr) return true;
    QThread::msleep(50);
  }
  return false;
}

// The real program, started beside the tests: its section is "ol-haltdeck".
TEST(SessionEndTest, WritesThePlacementAndAlwaysOnTopOfTheBarAndEnds) {
  const QString key = reg_tool::sectionKey(QStringLiteral("ol-haltdeck"));
  reg_tool::deleteKey(key);
  QProcess program;
  program.start(besideTests("ol-haltdeck.exe"), {});
  ASSERT_TRUE(program.waitForStarted(30000));
  ASSERT_TRUE(waitForBarWindow(30000));

  EXPECT_EQ(QProcess::execute(besideTests("haltdeck-end-session.exe"), {}), 0);
  EXPECT_TRUE(program.waitForFinished(10000));
  for (const char* name : {"MAIN_Left", "MAIN_Top", "AlwaysOnTop_TICKBOX"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(reg_tool::query(key, QLatin1String(name)).has_value());
  }
  if (program.state() != QProcess::NotRunning) {
    program.kill();
    program.waitForFinished(10000);
  }
  reg_tool::deleteKey(key);
}

}  // namespace
