#include "credentials_check.h"

std::optional<QString> credentialsFileProblem(const FileFacts& facts, unsigned user,
                                              const QString& path) {
  if (!facts.exists) return QStringLiteral("no credentials: %1").arg(howToProvideCredentials(path));
  if (!facts.regularFile) return QStringLiteral("%1 is not a plain file").arg(path);
  if (facts.owner != user) return QStringLiteral("%1 belongs to another user").arg(path);
  if ((facts.permissions & 077) != 0) {
    return QStringLiteral("%1 can be read or changed by others; run chmod 600 on it").arg(path);
  }
  return std::nullopt;
}

QString howToProvideCredentials(const QString& path) {
  return QStringLiteral(
             "get a Kerberos ticket with kinit, or write \"username =\", \"password =\" and "
             "\"domain =\" lines into %1, readable only by you")
      .arg(path);
}
