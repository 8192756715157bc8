#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// What one Windows `shutdown` command line asks for, read from its switches.
struct ShutdownRequest {
  enum class Action { PowerOff, Reboot, Hibernate, LogOff, Abort, RemoteDialog };

  Action action = Action::PowerOff;
  bool force = false;
  // Seconds; Windows waits 30 when a shut-down or restart names no delay.
  std::optional<qint64> delay;
  // The computer after `/m \\`, without the backslashes; none for this computer.
  std::optional<QString> computer;
  std::optional<QString> comment;
};

// Why a command line cannot be carried out, and for which computer (none: this one).
struct RequestError {
  std::optional<QString> computer;
  QString reason;
};

inline constexpr qint64 kLongestDelay = 315360000;  // ten years, Windows' own limit
inline constexpr qint64 kDefaultDelay = 30;
inline constexpr qsizetype kLongestComment = 512;

// Reads the switches as Windows' shutdown does: `/` or `-`, any case, each value as the
// next argument.
std::variant<ShutdownRequest, RequestError> parseShutdownSwitches(const QStringList& arguments);

// The delay that applies: the one given, or Windows' default for a shut-down or restart.
qint64 effectiveDelay(const ShutdownRequest& request);

// The one line that reports a failure: which computer, and why.
QString failureLine(const RequestError& error);
