#include "private_bus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");  // Debian's, with python3-dbusmock
const QString kConnectionName = QStringLiteral("haltdeck-private-bus");

QStringList logLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines;
  for (const QByteArray& line : file.readAll().split('\n')) {
    // "1797001321.480 Hibernate True": drop the time.
    const qsizetype blank = line.indexOf(' ');
    if (blank > 0) lines.append(QString::fromUtf8(line.mid(blank + 1)));
  }
  return lines;
}

bool isSetUpOrPropertyRead(const QString& line) {
  static const char* const kIgnored[] = {"Add", "Get ", "GetAll ", "Set ", "emit "};
  for (const char* prefix : kIgnored) {
    if (line.startsWith(QLatin1String(prefix))) return true;
  }
  return false;
}

template <typename Read>
QStringList waitFor(qsizetype count, int timeoutMs, Read read) {
  QDeadlineTimer deadline(timeoutMs);
  QStringList lines = read();
  while (lines.size() < count && !deadline.hasExpired()) {
    QThread::msleep(20);
    lines = read();
  }
  return lines;
}

}  // namespace

bool systemBusIsTheMachines() {
  const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
  return address.isEmpty() || address.contains("/run/dbus/system_bus_socket");
}

PrivateBus::PrivateBus() {
  if (!folder_.isValid()) return;
  daemon_.setProgram(QStringLiteral("dbus-daemon"));
  daemon_.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--nopidfile"), QStringLiteral("--print-address"),
                        QStringLiteral("--address=unix:path=") + folder_.filePath("bus")});
  daemon_.start();
  if (!daemon_.waitForStarted(5000)) return;
  QDeadlineTimer deadline(10000);
  while (!daemon_.canReadLine() && !deadline.hasExpired()) daemon_.waitForReadyRead(100);
  const QString address = QString::fromUtf8(daemon_.readLine()).trimmed();
  if (address.isEmpty()) return;
  address_ = address;
  hadSystem_ = qEnvironmentVariableIsSet("DBUS_SYSTEM_BUS_ADDRESS");
  hadSession_ = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS");
  savedSystem_ = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
  savedSession_ = qgetenv("DBUS_SESSION_BUS_ADDRESS");
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8());
  qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
}

PrivateBus::~PrivateBus() {
  QDBusConnection::disconnectFromBus(kConnectionName);
  for (auto& mock : mocks_) {
    mock->terminate();
    if (!mock->waitForFinished(5000)) mock->kill();
    mock->waitForFinished(1000);
  }
  if (daemon_.state() != QProcess::NotRunning) {
    daemon_.terminate();
    if (!daemon_.waitForFinished(5000)) daemon_.kill();
    daemon_.waitForFinished(1000);
  }
  if (!isRunning()) return;
  if (hadSystem_)
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", savedSystem_);
  else
    qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
  if (hadSession_)
    qputenv("DBUS_SESSION_BUS_ADDRESS", savedSession_);
  else
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

bool PrivateBus::startMock(const QStringList& arguments, const QString& service) {
  if (!isRunning()) return false;
  auto mock = std::make_unique<QProcess>();
  mock->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  mock->setStandardOutputFile(QProcess::nullDevice());
  mock->start(kPython, QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock")} + arguments);
  if (!mock->waitForStarted(5000)) return false;
  mocks_.push_back(std::move(mock));
  QDBusConnection bus = QDBusConnection::connectToBus(address_, kConnectionName);
  QDeadlineTimer deadline(15000);
  while (!deadline.hasExpired()) {
    if (bus.interface() && bus.interface()->isServiceRegistered(service)) return true;
    QThread::msleep(20);
  }
  return false;
}

bool PrivateBus::startLogind() {
  const QString logind = QStringLiteral("org.freedesktop.login1");
  if (!startMock({QStringLiteral("--system"), QStringLiteral("-t"),
                  QStringLiteral(HALTDECK_SYSTEM_FIXTURES_DIR "/logind_template.py"),
                  QStringLiteral("-l"), logindLog()},
                 logind)) {
    return false;
  }
  QDBusMessage addSession = QDBusMessage::createMethodCall(
      logind, QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("AddSession"));
  addSession.setArguments({QStringLiteral("c1"), QStringLiteral("seat0"), quint32(1000),
                           QStringLiteral("haltdeck"), true});
  return QDBusConnection(kConnectionName).call(addSession).type() == QDBusMessage::ReplyMessage;
}

bool PrivateBus::startNotifications() {
  return startMock(
      {QStringLiteral("--session"), QStringLiteral("-t"), QStringLiteral("notification_daemon"),
       QStringLiteral("-l"), folder_.filePath(QStringLiteral("notifications.log"))},
      QStringLiteral("org.freedesktop.Notifications"));
}

bool PrivateBus::replaceLogindMethod(const QString& method, const QString& inSignature,
                                     const QString& outSignature, const QString& pythonCode) {
  QDBusMessage addMethod = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("AddMethod"));
  addMethod.setArguments({QStringLiteral("org.freedesktop.login1.Manager"), method, inSignature,
                          outSignature, pythonCode});
  return QDBusConnection(kConnectionName).call(addMethod).type() == QDBusMessage::ReplyMessage;
}

QStringList PrivateBus::logindCalls() const {
  QStringList calls;
  for (const QString& line : logLines(logindLog())) {
    if (!isSetUpOrPropertyRead(line)) calls.append(line);
  }
  return calls;
}

QStringList PrivateBus::notifications() const {
  QStringList shown;
  for (const QString& line : logLines(folder_.filePath(QStringLiteral("notifications.log")))) {
    if (line.startsWith(QLatin1String("Notify "))) shown.append(line.mid(7));
  }
  return shown;
}

QStringList PrivateBus::waitForNotifications(qsizetype count, int timeoutMs) const {
  return waitFor(count, timeoutMs, [this] { return notifications(); });
}

QStringList PrivateBus::waitForLogindCalls(qsizetype count, int timeoutMs) const {
  return waitFor(count, timeoutMs, [this] { return logindCalls(); });
}
