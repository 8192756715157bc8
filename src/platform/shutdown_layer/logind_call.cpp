#include "logind_call.h"

namespace {

using Action = ShutdownRequest::Action;

LogindCall interactive(const char* method) {
  return {QString::fromLatin1(method), {true}, false};
}

}  // namespace

LogindCall logindCallFor(const ShutdownRequest& request, quint64 nowMicroseconds) {
  const qint64 delay = effectiveDelay(request);
  switch (request.action) {
    case Action::PowerOff:
    case Action::Reboot: {
      const bool reboot = request.action == Action::Reboot;
      if (delay == 0) return interactive(reboot ? "Reboot" : "PowerOff");
      const quint64 when = nowMicroseconds + quint64(delay) * 1000000u;
      return {QStringLiteral("ScheduleShutdown"),
              {reboot ? QStringLiteral("reboot") : QStringLiteral("poweroff"),
               QVariant::fromValue(when)},
              false};
    }
    case Action::Hibernate:
      return interactive("Hibernate");
    case Action::LogOff:
      return {QStringLiteral("TerminateSession"), {}, true};
    case Action::Abort:
      return {QStringLiteral("CancelScheduledShutdown"), {}, false};
    case Action::RemoteDialog:
      break;
  }
  return {};
}
