#pragma once

#include <QString>
#include <memory>

#include "platform/window_style.h"

// Starts a command line as a separate process and returns at once. Nobody waits for the
// process or looks at its outcome; a command that cannot be started is not reported to
// the caller.
class CommandLauncher {
 public:
  virtual ~CommandLauncher() = default;
  virtual void launch(const QString& commandLine, WindowStyle style) = 0;
};

// The launcher of the platform this program was built for. shutdownProgram: what starts
// for a `shutdown` command line where the platform has no Windows `shutdown` of its own
// (see platform/bundled_shutdown.h).
std::unique_ptr<CommandLauncher> createPlatformLauncher(const QString& shutdownProgram = {});
