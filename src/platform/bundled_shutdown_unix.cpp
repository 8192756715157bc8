#include <QDir>

#include "platform/bundled_shutdown.h"

// <prefix>/bin/ol-haltdeck beside <prefix>/libexec/ol-haltdeck/shutdown, installed or built.
QString bundledShutdownProgram(const QString& programDirectory) {
  return QDir::cleanPath(programDirectory + QStringLiteral("/../libexec/ol-haltdeck/shutdown"));
}
