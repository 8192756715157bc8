#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>
#include <functional>

#include "modal_script.h"
#include "settings/key_catalogue.h"
#include "widgets/window_names.h"

// Driving the real windows the way a user does.

// The window's object name, as the program names it.
inline QString windowName(WindowId window) {
  return QLatin1String(windowObjectName(window));
}

// Presses a window's named button with the mouse.
inline void click(QWidget* window, const QString& button) {
  QTest::mouseClick(control<QAbstractButton>(window, button), Qt::LeftButton);
}

// Clicks a check box on its tick mark.
inline void clickTick(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(7, box->height() / 2));
}
inline void clickTick(QWidget* window, const QString& tickBox) {
  clickTick(control<QCheckBox>(window, tickBox));
}

// Sends a key to whatever has the focus in the window.
inline void key(QWidget* window, Qt::Key key) {
  QWidget* target = window->focusWidget() ? window->focusWidget() : window;
  QTest::keyClick(target, key);
}

// Runs an action from the event loop after the current modal step has returned. A press
// that opens a nested window must go this way: while a step runs, the script's timer
// cannot fire again, so it could not act on the nested window.
inline void later(QWidget* window, std::function<void()> action) {
  QTimer::singleShot(0, window, std::move(action));
}

// Runs body inside the modal window that open() shows, then closes it with its title-bar
// close box unless body closed it already.
void inside(WindowId window, const std::function<void()>& open,
            const std::function<void(QWidget*)>& body);

// Saves a picture of the widget as <name>.png into $HALTDECK_SCREENSHOT_DIR, when set.
void saveScreenshot(QWidget* widget, const QString& name);
