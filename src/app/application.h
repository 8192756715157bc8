#pragma once

#include <memory>

class CommandLauncher;
class MainBar;
class QSettingsStore;
class SessionEndWatch;
class WindowManager;

// The running program: the platform's settings store, launcher and window manager, and
// the bar built on them. Closing the bar quits the event loop; so does the end of the
// user's session, after every open window and the bar have written what their closes write.
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
  std::unique_ptr<SessionEndWatch> sessionEnd_;
};
