#include "reg_tool.h"

#include <QProcess>
#include <QStringList>

namespace reg_tool {
namespace {

struct Result {
  int exitCode = -1;
  QString output;
};

Result run(const QStringList& arguments) {
  QProcess reg;
  reg.start(QStringLiteral("reg.exe"), arguments);
  if (!reg.waitForFinished(30000)) return {};
  return {reg.exitCode(), QString::fromLocal8Bit(reg.readAllStandardOutput())};
}

}  // namespace

QString sectionKey(const QString& section) {
  return QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\OL_HALTDECK\\") +
         section;
}

// reg prints a value as "    NAME    TYPE    DATA", four blanks apart; the data is verbatim
// (blanks included) and may be empty.
std::optional<Value> query(const QString& key, const QString& name) {
  const Result result = run({QStringLiteral("query"), key, QStringLiteral("/v"), name});
  if (result.exitCode != 0) return std::nullopt;
  const QString separator = QStringLiteral("    ");
  const QString head = separator + name + separator;
  for (QString line : result.output.split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (!line.startsWith(head)) continue;
    const QString rest = line.mid(head.size());
    const qsizetype typeEnd = rest.indexOf(separator);
    if (typeEnd < 0) return Value{rest.trimmed(), QString()};
    return Value{rest.left(typeEnd), rest.mid(typeEnd + separator.size())};
  }
  return std::nullopt;
}

bool addString(const QString& key, const QString& name, const QString& data) {
  return run({QStringLiteral("add"), key, QStringLiteral("/v"), name, QStringLiteral("/t"),
              QStringLiteral("REG_SZ"), QStringLiteral("/d"), data, QStringLiteral("/f")})
             .exitCode == 0;
}

void deleteKey(const QString& key) {
  run({QStringLiteral("delete"), key, QStringLiteral("/f")});
}

}  // namespace reg_tool
