#include "platform/command_launcher.h"
#include "platform/native_launch.h"

namespace {

class PlatformLauncher : public CommandLauncher {
 public:
  void launch(const QString& commandLine, WindowStyle style) override {
    launchNativeCommandLine(commandLine.toStdWString(), style);
  }
};

}  // namespace

std::unique_ptr<CommandLauncher> createPlatformLauncher() {
  return std::make_unique<PlatformLauncher>();
}
