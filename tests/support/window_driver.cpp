#include "window_driver.h"

#include <gtest/gtest.h>

void inside(WindowId window, const std::function<void()>& open,
            const std::function<void(QWidget*)>& body) {
  const QString name = windowName(window);
  ModalScript script;
  script.then(name, [&](QWidget* shown) {
    body(shown);
    if (shown->isVisible()) shown->close();
  });
  script.start();
  open();
  EXPECT_TRUE(script.finished()) << name.toStdString() << " did not open";
}

void saveScreenshot(QWidget* widget, const QString& name) {
  const QString folder = qEnvironmentVariable("HALTDECK_SCREENSHOT_DIR");
  if (!folder.isEmpty()) widget->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}
