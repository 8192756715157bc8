#pragma once

#include <QList>
#include <QStringList>

#include "platform/command_launcher.h"

// Records every launch instead of starting anything.
class RecordingLauncher : public CommandLauncher {
 public:
  struct Launch {
    QString commandLine;
    WindowStyle style;
    bool operator==(const Launch&) const = default;
  };

  void launch(const QString& commandLine, WindowStyle style) override {
    launches.append({commandLine, style});
  }

  QStringList commandLines() const {
    QStringList lines;
    for (const Launch& launch : launches) lines.append(launch.commandLine);
    return lines;
  }

  QList<Launch> launches;
};
