#include <QWidget>

#include "platform/window_manager.h"
#include "platform/window_manager_hint.h"

std::unique_ptr<WindowManager> createPlatformWindowManager() {
  return std::make_unique<StayOnTopHintWindowManager>();
}
