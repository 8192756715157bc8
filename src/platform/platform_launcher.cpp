#include "platform/command_launcher.h"
#include "platform/native_launch.h"

namespace {

class PlatformLauncher : public CommandLauncher {
 public:
  explicit PlatformLauncher(const QString& shutdownProgram)
      : shutdownProgram_(shutdownProgram.toStdWString()) {}

  void launch(const QString& commandLine, WindowStyle style) override {
    launchNativeCommandLine(commandLine.toStdWString(), style, shutdownProgram_);
  }

 private:
  std::wstring shutdownProgram_;
};

}  // namespace

std::unique_ptr<CommandLauncher> createPlatformLauncher(const QString& shutdownProgram) {
  return std::make_unique<PlatformLauncher>(shutdownProgram);
}
