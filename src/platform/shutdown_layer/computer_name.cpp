#include "computer_name.h"

namespace {

constexpr qsizetype kLongestName = 253;  // a full DNS name

bool allowedInName(QChar c) {
  return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u'.' || c == u':';
}

}  // namespace

std::optional<QString> computerNameProblem(const QString& name) {
  if (name.isEmpty()) return QStringLiteral("no computer name given");
  if (name.size() > kLongestName) {
    return QStringLiteral("a computer name has at most %1 characters").arg(kLongestName);
  }
  for (QChar c : name) {
    if (!allowedInName(c)) {
      return QStringLiteral("a computer name cannot hold \"%1\"").arg(c);
    }
  }
  return std::nullopt;
}
