#include <QDir>

#include "platform/platform_settings.h"

// $XDG_CONFIG_HOME/OL_HALTDECK/<section>.ini, keys in the [General] group.
std::unique_ptr<QSettings> openPlatformSettings(const QString& application,
                                                const QString& section) {
  QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (configHome.isEmpty()) configHome = QDir::homePath() + QStringLiteral("/.config");
  const QString path = configHome + u'/' + application + u'/' + section + QStringLiteral(".ini");
  return std::make_unique<QSettings>(path, QSettings::IniFormat);
}
