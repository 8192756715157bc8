#include <QWidget>

#include "app/window_manager.h"
#include "app/window_manager_hint.h"

std::unique_ptr<WindowManager> createPlatformWindowManager() {
  return std::make_unique<StayOnTopHintWindowManager>();
}
