#pragma once

#include "platform/window_manager.h"

// Where the platform lets no program reorder other programs' windows (Wayland, or no
// window system at all): the bar asks for the stay-on-top hint once, the best there is.
class StayOnTopHintWindowManager : public WindowManager {
 public:
  NativeWindow foregroundWindow() override { return 0; }
  void demoteFromTopmost(NativeWindow) override {}
  void raiseToTopmost(NativeWindow window) override;
};
