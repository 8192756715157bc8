#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

#include "actions/command_line_split.h"
#include "actions/native_launch.h"

// The window style has no meaning for a process without windows of its own here; the
// command line is split by the Windows rules and started detached, never by a shell.
void launchNativeCommandLine(const std::wstring& commandLine, WindowStyle /*style*/) {
  QStringList arguments = splitWindowsCommandLine(QString::fromStdWString(commandLine));
  if (arguments.isEmpty() || arguments.first().isEmpty()) return;
  const QString program = arguments.takeFirst();

  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  if (!process.startDetached()) {
    std::fprintf(stderr, "ol-haltdeck: could not start %s\n", qPrintable(program));
  }
}
