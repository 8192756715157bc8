#pragma once

#include <memory>

class CommandLauncher;
class MainBar;
class QSettingsStore;
class WindowManager;

// The running program: the platform's settings store, launcher and window manager, and
// the bar built on them. Closing the bar quits the event loop.
class Application {
 public:
  Application();
  ~Application();

  MainBar& bar() { return *bar_; }

 private:
  std::unique_ptr<QSettingsStore> store_;
  std::unique_ptr<CommandLauncher> launcher_;
  std::unique_ptr<WindowManager> windowManager_;
  std::unique_ptr<MainBar> bar_;
};
