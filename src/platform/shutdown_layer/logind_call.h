#pragma once

#include <QString>
#include <QVariantList>

#include "shutdown_request.h"

// The call on logind's Manager that carries out a request for this computer.
struct LogindCall {
  QString method;
  QVariantList arguments;
  // TerminateSession takes the id of the caller's own session, found first.
  bool needsOwnSession = false;
  bool operator==(const LogindCall&) const = default;
};

// nowMicroseconds: the realtime clock, from which ScheduleShutdown's moment is counted.
// Everything that can ask polkit passes interactive = true, so that it may ask.
LogindCall logindCallFor(const ShutdownRequest& request, quint64 nowMicroseconds);
