#include "net_command.h"

#include <array>

namespace {

QStringList credentialArguments(const RemoteCredentials& credentials) {
  if (const auto* file = std::get_if<CredentialsFile>(&credentials)) {
    return {QStringLiteral("--authentication-file=") + file->path};
  }
  // --no-pass: with a ticket there is no password to ask for, and nobody to answer.
  return {QStringLiteral("--use-kerberos=required"), QStringLiteral("--no-pass")};
}

struct KnownFailure {
  const char* marker;
  const char* reason;
};

// What net and the remote computer say, in the words a user understands.
constexpr std::array kKnownFailures = {
    KnownFailure{"NT_STATUS_LOGON_FAILURE", "the user name or password was refused"},
    KnownFailure{"username or password was not correct", "the user name or password was refused"},
    KnownFailure{"NT_STATUS_ACCESS_DENIED", "access denied"},
    KnownFailure{"WERR_ACCESS_DENIED", "access denied"},
    KnownFailure{"Unable to find a suitable server", "cannot be found on the network"},
    KnownFailure{"NT_STATUS_CONNECTION_REFUSED", "refused the connection"},
    KnownFailure{"NT_STATUS_HOST_UNREACHABLE", "cannot be reached"},
    KnownFailure{"NT_STATUS_NETWORK_UNREACHABLE", "cannot be reached"},
    KnownFailure{"NT_STATUS_IO_TIMEOUT", "did not answer"},
    KnownFailure{"NT_STATUS_BAD_NETWORK_NAME", "cannot be found on the network"},
    KnownFailure{"Unable to open credentials file", "the credentials file cannot be read"},
    KnownFailure{"WERR_SHUTDOWN_NOT_IN_PROGRESS", "no shut-down or restart is waiting"},
};

}  // namespace

QStringList netArguments(const ShutdownRequest& request, const RemoteCredentials& credentials) {
  const QString server = QStringLiteral("--server=") + request.computer.value_or(QString());
  QStringList arguments;
  if (request.action == ShutdownRequest::Action::Abort) {
    arguments = {QStringLiteral("rpc"), QStringLiteral("abortshutdown"), server};
  } else {
    arguments = {QStringLiteral("rpc"), QStringLiteral("shutdown"), server};
    if (request.action == ShutdownRequest::Action::Reboot) arguments << QStringLiteral("-r");
    if (request.force) arguments << QStringLiteral("-f");
    arguments << QStringLiteral("--timeout=%1").arg(effectiveDelay(request));
    if (request.comment) arguments << QStringLiteral("--comment=") + *request.comment;
  }
  return arguments + credentialArguments(credentials);
}

QString netFailureReason(const QString& output, int exitCode) {
  for (const KnownFailure& failure : kKnownFailures) {
    if (output.contains(QLatin1String(failure.marker), Qt::CaseInsensitive)) {
      return QString::fromLatin1(failure.reason);
    }
  }
  const QStringList lines = output.split(u'\n', Qt::SkipEmptyParts);
  for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
    const QString text = line->simplified();
    if (!text.isEmpty()) return QStringLiteral("net said: ") + text.left(200);
  }
  return QStringLiteral("net failed with exit code %1").arg(exitCode);
}
