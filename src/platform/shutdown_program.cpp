#include "platform/shutdown_program.h"

namespace {

bool isWindowsShutdown(const QString& program) {
  return program.compare(QLatin1String("shutdown"), Qt::CaseInsensitive) == 0 ||
         program.compare(QLatin1String("shutdown.exe"), Qt::CaseInsensitive) == 0;
}

}  // namespace

std::optional<QString> programToStart(const QString& program, const QString& layer,
                                      const QString& overrideProgram) {
  if (!isWindowsShutdown(program)) return program;
  if (!overrideProgram.isEmpty()) return overrideProgram;
  if (!layer.isEmpty()) return layer;
  return std::nullopt;
}
