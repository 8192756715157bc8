#pragma once

#include <QStringList>
#include <functional>

#include "platform/command_launcher.h"

// Hands remote command lines to a real launcher with their program name `shutdown`
// replaced by a harmless program, so that nothing started through it can shut anything
// down. A line that does not start with that program name, or a replacement that is
// that program again, is refused and never launched.
class ProgramSwapLauncher : public CommandLauncher {
 public:
  // Chooses the program that stands in for `shutdown` on the given line.
  using ProgramFor = std::function<QString(const QString& commandLine)>;

  ProgramSwapLauncher(CommandLauncher& real, ProgramFor programFor)
      : real_(real), programFor_(std::move(programFor)) {}

  void launch(const QString& commandLine, WindowStyle style) override {
    const QString head = QStringLiteral("shutdown ");
    const QString program = programFor_(commandLine);
    if (!commandLine.startsWith(head) || program.isEmpty() ||
        program.contains(QLatin1String("shutdown"), Qt::CaseInsensitive) ||
        program.contains(u' ')) {
      refused.append(commandLine);
      return;
    }
    const QString swapped = program + commandLine.mid(head.size() - 1);
    launched.append(swapped);
    real_.launch(swapped, style);
  }

  QStringList launched;
  QStringList refused;

 private:
  CommandLauncher& real_;
  ProgramFor programFor_;
};
