#include "platform/command_line_split.h"

namespace {

bool isBlank(QChar c) {
  return c == u' ' || c == u'\t';
}

// The program name: no escapes, quotes only group.
qsizetype takeProgramName(const QString& line, QString& name) {
  qsizetype i = 0;
  bool quoted = false;
  for (; i < line.size(); ++i) {
    const QChar c = line[i];
    if (c == u'"') {
      quoted = !quoted;
      continue;
    }
    if (!quoted && isBlank(c)) break;
    name.append(c);
  }
  return i;
}

}  // namespace

QStringList splitWindowsCommandLine(const QString& line) {
  QStringList arguments;
  if (line.isEmpty()) return arguments;

  QString program;
  qsizetype i = takeProgramName(line, program);
  arguments.append(program);

  while (true) {
    while (i < line.size() && isBlank(line[i])) ++i;
    if (i >= line.size()) break;

    QString argument;
    bool quoted = false;
    while (i < line.size()) {
      const QChar c = line[i];
      if (!quoted && isBlank(c)) break;
      if (c == u'\\') {
        qsizetype backslashes = 0;
        for (; i < line.size() && line[i] == u'\\'; ++i) ++backslashes;
        const bool beforeQuote = i < line.size() && line[i] == u'"';
        argument.append(QString(beforeQuote ? backslashes / 2 : backslashes, u'\\'));
        if (beforeQuote && backslashes % 2 == 1) {
          argument.append(u'"');
          ++i;
        }
        continue;  // an even run leaves its quote to be read as a quote mark
      }
      if (c == u'"') {
        if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
          argument.append(u'"');
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
        continue;
      }
      argument.append(c);
      ++i;
    }
    arguments.append(argument);
  }
  return arguments;
}
