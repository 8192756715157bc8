#include "desktop_notice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

void showDesktopNotice(const QString& text) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  QDBusMessage notify = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.Notifications"),
      QStringLiteral("/org/freedesktop/Notifications"),
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
  const QString application = QStringLiteral("OL-HALTDECK");
  notify.setArguments({application, quint32(0), QString(), application, text, QStringList(),
                       QVariantMap(), qint32(-1)});
  bus.call(notify, QDBus::Block, 3000);
}
