#include "platform/bundled_shutdown.h"

// Windows has shutdown.exe: the launcher finds it on the path.
QString bundledShutdownProgram(const QString& /*programDirectory*/) {
  return {};
}
