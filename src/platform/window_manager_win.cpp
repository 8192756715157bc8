#include <windows.h>

#include "platform/window_manager.h"

namespace {

HWND toHwnd(NativeWindow window) {
  return reinterpret_cast<HWND>(window);
}

class Win32WindowManager : public WindowManager {
 public:
  NativeWindow foregroundWindow() override {
    return reinterpret_cast<NativeWindow>(GetForegroundWindow());
  }
  void demoteFromTopmost(NativeWindow window) override {
    SetWindowPos(toHwnd(window), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  void raiseToTopmost(NativeWindow window) override {
    SetWindowPos(toHwnd(window), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
};

}  // namespace

std::unique_ptr<WindowManager> createPlatformWindowManager() {
  return std::make_unique<Win32WindowManager>();
}
