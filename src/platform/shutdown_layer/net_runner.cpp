#include "net_runner.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "net_command.h"

namespace {

constexpr int kNetTimeoutMs = 120 * 1000;

}  // namespace

std::optional<QString> runNet(const QStringList& arguments) {
  const QString net = QStandardPaths::findExecutable(QStringLiteral("net"));
  if (net.isEmpty()) {
    return QStringLiteral("Samba's net is not installed (Debian package samba-common-bin)");
  }
  QProcess process;
  process.setStandardInputFile(QProcess::nullDevice());
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(net, arguments);
  if (!process.waitForStarted()) return QStringLiteral("net cannot be started");
  if (!process.waitForFinished(kNetTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return QStringLiteral("did not answer within %1 seconds").arg(kNetTimeoutMs / 1000);
  }
  if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return std::nullopt;
  return netFailureReason(QString::fromLocal8Bit(process.readAll()), process.exitCode());
}

bool hasKerberosTicket() {
  const QString klist = QStandardPaths::findExecutable(QStringLiteral("klist"));
  if (klist.isEmpty()) return false;
  QProcess process;
  process.setStandardInputFile(QProcess::nullDevice());
  process.start(klist, {QStringLiteral("-s")});
  return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
}

FileFacts fileFacts(const QString& path) {
  struct stat facts {};
  if (lstat(QFile::encodeName(path).constData(), &facts) != 0) return {};
  return {true, S_ISREG(facts.st_mode), unsigned(facts.st_uid), unsigned(facts.st_mode & 0777)};
}

unsigned currentUser() {
  return unsigned(geteuid());
}
