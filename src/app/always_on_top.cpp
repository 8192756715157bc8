#include "app/always_on_top.h"

void alwaysOnTopStep(WindowManager& windowManager, NativeWindow bar) {
  if (windowManager.foregroundWindow() == bar) return;
  windowManager.demoteFromTopmost(windowManager.foregroundWindow());
  windowManager.raiseToTopmost(bar);
}
