#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/command_launcher.h"
#include "platform/shutdown_program.h"
#include "private_bus.h"

// The real launcher with the layer this build made. While the system bus that the layer
// would talk to is the machine's own, it fails the test and starts nothing: the layer
// must only ever reach a logind that a test started.
class LayerLauncher : public CommandLauncher {
 public:
  LayerLauncher() { qunsetenv(kShutdownProgramVariable); }

  void launch(const QString& commandLine, WindowStyle style) override {
    if (systemBusIsTheMachines()) {
      ADD_FAILURE() << "the layer would talk to this machine's system bus: "
                    << commandLine.toStdString();
      ++refused;
      return;
    }
    launched.append(commandLine);
    real_->launch(commandLine, style);
  }

  QStringList launched;
  int refused = 0;

 private:
  std::unique_ptr<CommandLauncher> real_ =
      createPlatformLauncher(QStringLiteral(HALTDECK_SHUTDOWN_LAYER));
};
