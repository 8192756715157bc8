// Carries out the Windows `shutdown` command lines of the bar on Linux: this computer's
// power actions through logind, remote Windows computers through Samba's `net`.
#include <csignal>
#include <cstdio>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include "credentials_check.h"
#include "desktop_notice.h"
#include "logind_call.h"
#include "logind_client.h"
#include "net_command.h"
#include "net_runner.h"
#include "shutdown_request.h"

namespace {

int fail(const RequestError& error) {
  const QString line = failureLine(error);
  showDesktopNotice(line);
  std::fprintf(stderr, "ol-haltdeck: %s\n", qPrintable(line));
  return 1;
}

QString credentialsPath() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir(config).filePath(QStringLiteral("OL_HALTDECK/remote-credentials"));
}

std::variant<RemoteCredentials, QString> remoteCredentials() {
  if (hasKerberosTicket()) return KerberosTicket{};
  const QString path = credentialsPath();
  if (const auto problem = credentialsFileProblem(fileFacts(path), currentUser(), path)) {
    return *problem;
  }
  return CredentialsFile{path};
}

int runRemote(const ShutdownRequest& request) {
  const auto credentials = remoteCredentials();
  if (const auto* problem = std::get_if<QString>(&credentials)) {
    return fail({request.computer, *problem});
  }
  const auto arguments = netArguments(request, std::get<RemoteCredentials>(credentials));
  if (const auto problem = runNet(arguments)) return fail({request.computer, *problem});
  return 0;
}

int runLocal(const ShutdownRequest& request) {
  const quint64 now = quint64(QDateTime::currentMSecsSinceEpoch()) * 1000u;
  if (const auto problem = callLogind(logindCallFor(request, now))) {
    return fail({std::nullopt, *problem});
  }
  return 0;
}

int pointToRemoteWindow() {
  const QString text = QStringLiteral(
      "Linux has no remote shutdown dialog: use OL-SHUTDOWN-GUI on the bar to shut down "
      "remote computers.");
  showDesktopNotice(text);
  std::printf("%s\n", qPrintable(text));
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  // The bar may have gone with the terminal it was started from; a report to a closed
  // standard error must not end us before logind or net are asked.
  std::signal(SIGPIPE, SIG_IGN);
  QCoreApplication application(argc, argv);
  const auto parsed = parseShutdownSwitches(application.arguments().mid(1));
  if (const auto* error = std::get_if<RequestError>(&parsed)) return fail(*error);
  const auto& request = std::get<ShutdownRequest>(parsed);
  if (request.action == ShutdownRequest::Action::RemoteDialog) return pointToRemoteWindow();
  return request.computer ? runRemote(request) : runLocal(request);
}
