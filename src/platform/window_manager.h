#pragma once

#include <cstdint>
#include <memory>

// A native top-level window: an HWND on Windows, an X11 window id on X11, 0 for none.
using NativeWindow = std::uintptr_t;

// The window manager calls the always-on-top step makes. None of them moves or resizes a
// window, and none reports a result.
class WindowManager {
 public:
  virtual ~WindowManager() = default;
  virtual NativeWindow foregroundWindow() = 0;
  // Takes the window out of the topmost band.
  virtual void demoteFromTopmost(NativeWindow window) = 0;
  // Puts the window at the top of the topmost band.
  virtual void raiseToTopmost(NativeWindow window) = 0;
};

// The window manager of the platform this program was built for.
std::unique_ptr<WindowManager> createPlatformWindowManager();
