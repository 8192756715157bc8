#include "platform/window_manager_hint.h"

#include <QWidget>

void StayOnTopHintWindowManager::raiseToTopmost(NativeWindow window) {
  QWidget* widget = QWidget::find(WId(window));
  if (!widget || widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
  const bool wasVisible = widget->isVisible();
  widget->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  if (wasVisible) widget->show();  // changing a flag hides the window
}
