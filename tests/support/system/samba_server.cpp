#include "samba_server.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <cstring>

namespace {

bool connectsToLoopback445() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(445);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return connected;
}

bool writeFile(const QString& path, const QByteArray& text, QFile::Permissions permissions) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  file.write(text);
  file.close();
  return file.setPermissions(permissions);
}

}  // namespace

bool enterPrivateNetwork() {
  if (unshare(CLONE_NEWNET) != 0) return false;
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) return false;
  ifreq request{};
  std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
  bool up = ioctl(fd, SIOCGIFFLAGS, &request) == 0;
  request.ifr_flags |= IFF_UP | IFF_RUNNING;
  up = up && ioctl(fd, SIOCSIFFLAGS, &request) == 0;
  ::close(fd);
  return up;
}

bool loopbackPort445InUse() {
  return connectsToLoopback445();
}

SambaServer::SambaServer() {
  if (!folder_.isValid()) {
    problem_ = QStringLiteral("no temporary folder");
    return;
  }
  if (loopbackPort445InUse()) {
    problem_ = QStringLiteral("something already listens on 127.0.0.1:445");
    return;
  }
  if (!writeConfiguration() || !addUser()) return;
  // A session of its own: smbd ends its whole process group when it stops.
  smbd_.setChildProcessModifier([] { setsid(); });
  smbd_.setStandardInputFile(QProcess::nullDevice());
  smbd_.setStandardOutputFile(folder_.filePath(QStringLiteral("smbd.out")));
  smbd_.setStandardErrorFile(folder_.filePath(QStringLiteral("smbd.out")));
  smbd_.start(QStringLiteral("smbd"),
              {QStringLiteral("-F"), QStringLiteral("--no-process-group"), QStringLiteral("-s"),
               folder_.filePath(QStringLiteral("smb.conf"))});
  if (!smbd_.waitForStarted(5000)) {
    problem_ = QStringLiteral("smbd cannot be started (Debian package samba)");
    return;
  }
  QDeadlineTimer deadline(20000);
  while (!connectsToLoopback445() && !deadline.hasExpired()) {
    if (smbd_.state() == QProcess::NotRunning) break;
    QThread::msleep(20);
  }
  if (!connectsToLoopback445()) problem_ = QStringLiteral("smbd did not listen on 127.0.0.1:445");
}

SambaServer::~SambaServer() {
  if (smbd_.state() != QProcess::NotRunning) {
    smbd_.terminate();
    if (!smbd_.waitForFinished(10000)) smbd_.kill();
    smbd_.waitForFinished(2000);
  }
  stopRpcHelpers();
}

// samba-dcerpcd and its rpcd_* workers, started by our smbd, are told apart from any
// other server's by the configuration file they name.
void SambaServer::stopRpcHelpers() const {
  const QByteArray configuration =
      "--configfile=" + QFile::encodeName(folder_.filePath(QStringLiteral("smb.conf")));
  for (int round = 0; round < 50; ++round) {
    bool found = false;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
      bool isPid = false;
      const pid_t pid = entry.toInt(&isPid);
      if (!isPid) continue;
      QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(entry));
      if (!commandLine.open(QIODevice::ReadOnly)) continue;
      if (!commandLine.readAll().split('\0').contains(configuration)) continue;
      found = true;
      ::kill(pid, round < 25 ? SIGTERM : SIGKILL);
    }
    if (!found) return;
    QThread::msleep(100);
  }
}

bool SambaServer::writeConfiguration() {
  QDir root(folder_.path());
  for (const char* name : {"private", "lock", "state", "cache", "pid", "log", "ncalrpc"}) {
    if (!root.mkpath(QLatin1String(name))) {
      problem_ = QStringLiteral("cannot make the server's folders");
      return false;
    }
  }
  const QByteArray record = QFile::encodeName(root.filePath(QStringLiteral("records")));
  const QByteArray base = QFile::encodeName(root.path());
  QByteArray conf =
      "[global]\n"
      "  workgroup = WORKGROUP\n"
      "  interfaces = lo\n"
      "  bind interfaces only = yes\n"
      "  smb ports = 445\n"
      "  load printers = no\n"
      "  printing = bsd\n"
      "  printcap name = /dev/null\n"
      "  disable spoolss = yes\n";
  for (const char* folder : {"private", "lock", "state", "cache", "pid"}) {
    conf += QByteArray("  ") + folder + " directory = " + base + '/' + folder + '\n';
  }
  conf.replace("private directory", "private dir");
  // smbd hands RPC to samba-dcerpcd, which it starts on demand and which outlives it; by
  // default their sockets are the machine's (/run/samba/ncalrpc), shared with every
  // other server.
  conf += "  ncalrpc dir = " + base + "/ncalrpc\n";
  conf += "  log file = " + base + "/log/log.%m\n";
  conf += "  shutdown script = /bin/sh -c 'echo shutdown %r %f >> " + record + "'\n";
  conf += "  abort shutdown script = /bin/sh -c 'echo abort >> " + record + "'\n";
  if (!writeFile(root.filePath(QStringLiteral("smb.conf")), conf,
                 QFile::ReadOwner | QFile::WriteOwner)) {
    problem_ = QStringLiteral("cannot write smb.conf");
    return false;
  }
  return true;
}

bool SambaServer::addUser() {
  QProcess smbpasswd;
  smbpasswd.start(QStringLiteral("smbpasswd"),
                  {QStringLiteral("-c"), folder_.filePath(QStringLiteral("smb.conf")),
                   QStringLiteral("-s"), QStringLiteral("-a"), QStringLiteral("root")});
  if (!smbpasswd.waitForStarted(5000)) {
    problem_ = QStringLiteral("smbpasswd cannot be started (Debian package samba)");
    return false;
  }
  smbpasswd.write("secret\nsecret\n");
  smbpasswd.closeWriteChannel();
  if (!smbpasswd.waitForFinished(20000) || smbpasswd.exitCode() != 0) {
    problem_ = QStringLiteral("smbpasswd could not add root: ") +
               QString::fromLocal8Bit(smbpasswd.readAllStandardError());
    return false;
  }
  return true;
}

QStringList SambaServer::records() const {
  QFile file(folder_.filePath(QStringLiteral("records")));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (!line.trimmed().isEmpty()) lines.append(QString::fromUtf8(line).simplified());
  }
  return lines;
}

QStringList SambaServer::waitForRecords(qsizetype count, int timeoutMs) const {
  QDeadlineTimer deadline(timeoutMs);
  QStringList lines = records();
  while (lines.size() < count && !deadline.hasExpired()) {
    QThread::msleep(20);
    lines = records();
  }
  return lines;
}

QString SambaServer::writeCredentials(const QString& folder, const QString& password) const {
  const QString path = QDir(folder).filePath(QStringLiteral("remote-credentials"));
  writeFile(path, "username = root\npassword = " + password.toUtf8() + "\ndomain = WORKGROUP\n",
            QFile::ReadOwner | QFile::WriteOwner);
  return path;
}

QString SambaServer::diagnostics() const {
  QString text;
  for (const char* name : {"smbd.out", "log/log.smbd"}) {
    QFile file(folder_.filePath(QLatin1String(name)));
    if (file.open(QIODevice::ReadOnly)) text += QString::fromLocal8Bit(file.readAll().right(4000));
  }
  return text;
}
