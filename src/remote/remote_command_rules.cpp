#include "remote/remote_command_rules.h"

namespace {

QString runLine(const char16_t* prefix, const RemoteRow& row) {
  return QString::fromUtf16(prefix) + row.pcName + QString::fromUtf16(kTimeoutSeparator) +
         row.timeout;
}

}  // namespace

QStringList runCommandLines(const RemoteRow& row) {
  const bool forceClear = row.force == 0;
  const bool forceTicked = row.force == 1;
  QStringList lines;
  if (forceClear && row.shutdown == 1) lines.append(runLine(kShutdownPrefix, row));
  if (forceClear && row.restart == 1) lines.append(runLine(kRestartPrefix, row));
  if (forceTicked && row.shutdown == 1) lines.append(runLine(kForcedShutdownPrefix, row));
  if (forceTicked && row.restart == 1) lines.append(runLine(kForcedRestartPrefix, row));
  return lines;
}

QString abortCommandLine(const QString& pcName) {
  return QString::fromUtf16(kAbortPrefix) + pcName;
}
