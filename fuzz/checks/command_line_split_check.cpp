#include <QSet>
#include <QStringList>

#include "fuzz_checks.h"
#include "platform/command_line_split.h"

namespace {

bool isBlank(QChar c) {
  return c == u' ' || c == u'\t';
}

std::string describe(const char* what, const QString& line) {
  return std::string(what) + " for \"" + line.left(200).toStdString() + '"';
}

// Without a double quote nothing is grouped or escaped: the program name runs to the
// first blank or tab, and runs of blanks and tabs separate the arguments after it.
QStringList splitWithoutQuotes(const QString& line) {
  if (line.isEmpty()) return {};
  qsizetype end = 0;
  while (end < line.size() && !isBlank(line[end])) ++end;
  QStringList arguments{line.left(end)};
  QString argument;
  for (qsizetype i = end; i <= line.size(); ++i) {
    if (i == line.size() || isBlank(line[i])) {
      if (!argument.isEmpty()) arguments.append(argument);
      argument.clear();
    } else {
      argument.append(line[i]);
    }
  }
  return arguments;
}

// How a Windows program's arguments are quoted so that its C runtime splits them back:
// an argument with a blank, a tab or a quote (or an empty one) goes in double quotes,
// with the backslashes before a quote, and before the closing quote, doubled.
QString quoteArgument(const QString& argument) {
  const bool plain = !argument.isEmpty() && !argument.contains(u' ') && !argument.contains(u'\t') &&
                     !argument.contains(u'"');
  if (plain) return argument;
  QString quoted(u'"');
  qsizetype backslashes = 0;
  for (QChar c : argument) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(QString(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\'));
    quoted.append(c);
    backslashes = 0;
  }
  quoted.append(QString(backslashes * 2, u'\\'));
  quoted.append(u'"');
  return quoted;
}

// The program name has no escapes: it is quoted whole when it holds a blank, and can
// hold no quote of its own.
QString quoteProgramName(const QString& name) {
  const bool plain = !name.isEmpty() && !name.contains(u' ') && !name.contains(u'\t');
  return plain ? name : u'"' + name + u'"';
}

std::string checkSplitOfLine(const QString& line) {
  const QStringList arguments = splitWindowsCommandLine(line);
  if (line.isEmpty() != arguments.isEmpty()) return describe("an empty split of a line", line);
  qsizetype length = 0;
  QSet<QChar> seen(line.begin(), line.end());
  for (const QString& argument : arguments) {
    length += argument.size();
    for (QChar c : argument) {
      if (!seen.contains(c))
        return describe("an argument holds a character the line did not", line);
    }
  }
  if (length > line.size()) return describe("the arguments are longer than the line", line);
  if (!line.contains(u'"') && arguments != splitWithoutQuotes(line)) {
    return describe("a line without quotes was not split at its blanks alone", line);
  }
  return {};
}

std::string checkQuotedListSplitsBack(const QString& input) {
  QStringList wanted = input.split(u'\n');
  wanted.first().remove(u'"');
  QStringList quoted{quoteProgramName(wanted.first())};
  for (qsizetype i = 1; i < wanted.size(); ++i) quoted.append(quoteArgument(wanted[i]));
  const QString line = quoted.join(u' ');
  if (splitWindowsCommandLine(line) != wanted) {
    return describe("quoted arguments did not split back into themselves", line);
  }
  return {};
}

}  // namespace

std::string checkCommandLineSplit(const uint8_t* data, size_t size) {
  const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
  if (std::string failure = checkSplitOfLine(input); !failure.empty()) return failure;
  return checkQuotedListSplitsBack(input);
}
