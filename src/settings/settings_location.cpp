#include "settings/settings_location.h"

#include <QFileInfo>

QString settingsSectionFor(const QString& executablePath) {
  return QFileInfo(executablePath).completeBaseName();
}
