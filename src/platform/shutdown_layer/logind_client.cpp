#include "logind_client.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
// polkit may ask the user for a password meanwhile.
constexpr int kCallTimeoutMs = 5 * 60 * 1000;

QString reasonFor(const QDBusMessage& reply, const QString& method) {
  const QString name = reply.errorName();
  if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
      name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
    return QStringLiteral("logind is not running");
  }
  if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied") ||
      name == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired")) {
    return QStringLiteral("not allowed: %1").arg(reply.errorMessage());
  }
  if (name == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")) {
    return QStringLiteral("logind does not offer %1").arg(method);
  }
  return QStringLiteral("logind refused %1: %2").arg(method, reply.errorMessage());
}

QDBusMessage call(QDBusConnection& bus, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments) {
  QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
  message.setArguments(arguments);
  message.setInteractiveAuthorizationAllowed(true);
  return bus.call(message, QDBus::Block, kCallTimeoutMs);
}

struct Outcome {
  QDBusMessage reply;
  QString method;
};

// The id of the session this process runs in: TerminateSession wants the id, not the path.
std::variant<QString, Outcome> ownSessionId(QDBusConnection& bus) {
  const QString getSession = QStringLiteral("GetSessionByPID");
  const QDBusMessage session =
      call(bus, kManagerPath, kManager, getSession, {quint32(QCoreApplication::applicationPid())});
  if (session.type() == QDBusMessage::ErrorMessage) return Outcome{session, getSession};
  const QString path = session.arguments().value(0).value<QDBusObjectPath>().path();
  const QDBusMessage id =
      call(bus, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
           {QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Id")});
  if (id.type() == QDBusMessage::ErrorMessage)
    return Outcome{id, QStringLiteral("the session's Id")};
  return id.arguments().value(0).value<QDBusVariant>().variant().toString();
}

}  // namespace

std::optional<QString> callLogind(const LogindCall& logindCall) {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return QStringLiteral("the system bus cannot be reached");

  QVariantList arguments = logindCall.arguments;
  if (logindCall.needsOwnSession) {
    const auto session = ownSessionId(bus);
    if (const auto* failed = std::get_if<Outcome>(&session)) {
      return reasonFor(failed->reply, failed->method);
    }
    arguments = {std::get<QString>(session)};
  }
  const QDBusMessage reply = call(bus, kManagerPath, kManager, logindCall.method, arguments);
  if (reply.type() == QDBusMessage::ErrorMessage) return reasonFor(reply, logindCall.method);
  if (logindCall.method == QLatin1String("CancelScheduledShutdown") &&
      !reply.arguments().value(0).toBool()) {
    return QStringLiteral("no shut-down or restart is waiting");
  }
  return std::nullopt;
}
