#include "shutdown_request.h"

#include <gtest/gtest.h>

namespace {

using Action = ShutdownRequest::Action;

QStringList split(const char* arguments) {
  return QString::fromUtf8(arguments).split(u' ', Qt::SkipEmptyParts);
}

TEST(ShutdownSwitches, EveryLineTheWindowsLaunchReadsAsItsRequest) {
  struct Case {
    const char* arguments;
    Action action;
    bool force;
    std::optional<qint64> delay;
    std::optional<QString> computer;
  };
  const Case cases[] = {
      {"/s /t 0", Action::PowerOff, false, 0, std::nullopt},
      {"/g /f /t 0", Action::Reboot, true, 0, std::nullopt},
      {"/h", Action::Hibernate, false, std::nullopt, std::nullopt},
      {"/l", Action::LogOff, false, std::nullopt, std::nullopt},
      {"/i", Action::RemoteDialog, false, std::nullopt, std::nullopt},
      {"/s /m \\\\PC01 /t 30", Action::PowerOff, false, 30, "PC01"},
      {"/g /m \\\\PC01 /t 30", Action::Reboot, false, 30, "PC01"},
      {"/s /f /m \\\\PC01 /t 315360000", Action::PowerOff, true, 315360000, "PC01"},
      {"/g /f /m \\\\pc-01.example.org /t 007", Action::Reboot, true, 7, "pc-01.example.org"},
      {"/a /m \\\\PC01", Action::Abort, false, std::nullopt, "PC01"},
      {"/a", Action::Abort, false, std::nullopt, std::nullopt},
      // Windows' own forms: a dash, any case, /r for a restart, a name without backslashes.
      {"-S -T 5", Action::PowerOff, false, 5, std::nullopt},
      {"/R /F -m \\\\PC01", Action::Reboot, true, std::nullopt, "PC01"},
      {"/s /m 10.0.0.7", Action::PowerOff, false, std::nullopt, "10.0.0.7"},
      // The name is one argument whatever it starts with: never a switch.
      {"/s /m \\\\-r /t 1", Action::PowerOff, false, 1, "-r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const auto parsed = parseShutdownSwitches(split(c.arguments));
    ASSERT_TRUE(std::holds_alternative<ShutdownRequest>(parsed))
        << std::get<RequestError>(parsed).reason.toStdString();
    const auto& request = std::get<ShutdownRequest>(parsed);
    EXPECT_EQ(request.action, c.action);
    EXPECT_EQ(request.force, c.force);
    EXPECT_EQ(request.delay, c.delay);
    EXPECT_EQ(request.computer, c.computer);
  }
}

TEST(ShutdownSwitches, TheCommentIsOneArgumentAndKeepsItsText) {
  const auto parsed = parseShutdownSwitches(
      {"/r", "/m", "\\\\PC01", "/c", "-f --server=x \"; $(reboot)", "/t", "10"});
  ASSERT_TRUE(std::holds_alternative<ShutdownRequest>(parsed));
  EXPECT_EQ(std::get<ShutdownRequest>(parsed).comment, "-f --server=x \"; $(reboot)");
  EXPECT_EQ(std::get<ShutdownRequest>(parsed).delay, 10);
}

TEST(ShutdownSwitches, BadInputNamesTheComputerAndTheReason) {
  const QString tenThousand = QString(10000, u'A');
  struct Case {
    QStringList arguments;
    std::optional<QString> computer;
    const char* reason;
  };
  const Case cases[] = {
      {{"/s", "/m", "\\\\", "/t", "30"}, "", "no computer name given"},
      {{"/s", "/m", "\\\\PC01", "/t", "315360001"}, "PC01", "from 0 to 315360000"},
      {{"/s", "/m", "\\\\PC01", "/t", "-1"}, "PC01", "is not a number of seconds"},
      {{"/s", "/m", "\\\\PC01", "/t", ""}, "PC01", "is not a number of seconds"},
      {{"/s", "/m", "\\\\PC01", "/t", "1e3"}, "PC01", "is not a number of seconds"},
      {{"/s", "/m", "\\\\PC01", "/t", "99999999999999999999"}, "PC01", "is not a number"},
      {{"/s", "/m", "\\\\PC01", "/t", "\u0661\u0662"}, "PC01", "is not a number"},  // Arabic digits
      {{"/s", "/m", "\\\\PC01", "/t"}, "PC01", "/t needs a number of seconds"},
      {{"/s", "/m"}, std::nullopt, "/m needs a computer name"},
      {{"/s", "/x"}, std::nullopt, "unknown switch /x"},
      {{"/s", "/d", "p:1:1"}, std::nullopt, "unknown switch /d"},
      {{"/s", "/m", "\\\\PC", "01", "/t", "30"}, "PC", "unexpected argument \"01\""},
      {{"/s", "/r"}, std::nullopt, "more than one action"},
      {{"/f"}, std::nullopt, "no action given"},
      {{}, std::nullopt, "no action given"},
      {{"/h", "/m", "\\\\PC01"}, "PC01", "/h works on this computer only"},
      {{"/l", "/t", "5"}, std::nullopt, "/l cannot be delayed"},
      {{"/s", "/m", "\\\\a=b"}, "a=b", "cannot hold \"=\""},
      {{"/s", "/m", "\\\\$(reboot)"}, "$(reboot)", "cannot hold \"$\""},
      {{"/s", "/m", "\\\\a;b"}, "a;b", "cannot hold \";\""},
      {{"/s", "/m", "\\\\\"PC\""}, "\"PC\"", "cannot hold \"\"\""},
      {{"/s", "/m", "\\\\\\\\PC01"}, "\\\\PC01", "cannot hold \"\\\""},
      {{"/s", "/m", "\\\\" + tenThousand}, tenThousand, "at most 253 characters"},
      {{"/s", "/c", QString(513, u'x')}, std::nullopt, "longer than 512"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').left(80).toStdString());
    const auto parsed = parseShutdownSwitches(c.arguments);
    ASSERT_TRUE(std::holds_alternative<RequestError>(parsed));
    const auto& error = std::get<RequestError>(parsed);
    EXPECT_EQ(error.computer, c.computer);
    EXPECT_TRUE(error.reason.contains(QLatin1String(c.reason))) << error.reason.toStdString();
  }
}

TEST(ShutdownSwitches, WindowsWaitsThirtySecondsWhenAShutDownOrRestartNamesNoDelay) {
  const auto delayOf = [](const char* arguments) {
    return effectiveDelay(std::get<ShutdownRequest>(parseShutdownSwitches(split(arguments))));
  };
  EXPECT_EQ(delayOf("/s"), 30);
  EXPECT_EQ(delayOf("/g /m \\\\PC01"), 30);
  EXPECT_EQ(delayOf("/s /t 0"), 0);
  EXPECT_EQ(delayOf("/h"), 0);
  EXPECT_EQ(delayOf("/a"), 0);
}

TEST(FailureLine, NamesTheComputerOrThisOneAndShortensLongNames) {
  EXPECT_EQ(failureLine({std::nullopt, "logind is not running"}),
            "this computer: logind is not running");
  EXPECT_EQ(failureLine({"PC01", "refused the connection"}), "\\\\PC01: refused the connection");
  EXPECT_EQ(failureLine({"", "no computer name given"}), "\\\\: no computer name given");
  const QString line = failureLine({QString(10000, u'A'), "too long"});
  EXPECT_EQ(line, "\\\\" + QString(40, u'A') + "...: too long");
}

}  // namespace
