#include "logind_call.h"

#include <gtest/gtest.h>

namespace {

TEST(LogindCall, EachLocalRequestIsOneManagerCall) {
  constexpr quint64 kNow = 1'700'000'000'000'000;
  struct Case {
    QStringList arguments;
    LogindCall call;
  };
  const Case cases[] = {
      {{"/s", "/t", "0"}, {"PowerOff", {true}, false}},
      {{"/g", "/f", "/t", "0"}, {"Reboot", {true}, false}},
      {{"/r", "/t", "0"}, {"Reboot", {true}, false}},
      {{"/h"}, {"Hibernate", {true}, false}},
      {{"/l"}, {"TerminateSession", {}, true}},
      {{"/a"}, {"CancelScheduledShutdown", {}, false}},
      {{"/s", "/t", "60"},
       {"ScheduleShutdown", {"poweroff", QVariant::fromValue(kNow + 60'000'000)}, false}},
      {{"/g", "/t", "315360000"},
       {"ScheduleShutdown",
        {"reboot", QVariant::fromValue(kNow + 315360000ull * 1'000'000)},
        false}},
      // No delay named: Windows' thirty seconds.
      {{"/s"}, {"ScheduleShutdown", {"poweroff", QVariant::fromValue(kNow + 30'000'000)}, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    const auto request = std::get<ShutdownRequest>(parseShutdownSwitches(c.arguments));
    EXPECT_EQ(logindCallFor(request, kNow), c.call);
  }
}

TEST(LogindCall, TheScheduledMomentIsAnUnsignedSixtyFourBitValue) {
  // logind's ScheduleShutdown takes (s, t); a QVariant of another type would not match.
  const auto request = std::get<ShutdownRequest>(parseShutdownSwitches({"/s", "/t", "5"}));
  EXPECT_EQ(logindCallFor(request, 0).arguments.at(1).metaType(), QMetaType::fromType<quint64>());
}

}  // namespace
