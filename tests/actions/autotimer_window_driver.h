#pragma once

// Drives the countdown window opened from a real bar: find its controls by name, type,
// click, and deliver ticks of its counter without waiting for them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/main_bar.h"
#include "fake_window_manager.h"
#include "modal_script.h"
#include "qt_printers.h"
#include "recording_launcher.h"
#include "recording_store.h"
#include "window_driver.h"

namespace autotimer_test {

inline const QString kWindow = windowName(WindowId::Autotimer);
inline const QString kWaiting = QStringLiteral("WAITING FOR USER INPUT");
inline const QString kNoAction = QStringLiteral("!!! SELECT ACTION !!!");

// Records every launch, and what the window's status label read at that moment.
class WatchingLauncher : public RecordingLauncher {
 public:
  void launch(const QString& commandLine, WindowStyle style) override {
    if (onLaunch) onLaunch();
    RecordingLauncher::launch(commandLine, style);
  }
  std::function<void()> onLaunch;
};

inline QPushButton* button(QWidget* window, const char* name) {
  return control<QPushButton>(window, QLatin1String(name));
}
inline QLineEdit* countdownBox(QWidget* window) {
  return control<QLineEdit>(window, QStringLiteral("CLOSE_REQUEST_COUNTDOWN_TEXTBOX"));
}
inline QString countdownText(QWidget* window) {
  return countdownBox(window)->text();
}
inline QString status(QWidget* window) {
  return control<QLabel>(window, QStringLiteral("AUTOTIMER_TITLE_LABEL"))->text();
}
inline QString actionText(QWidget* window) {
  return control<QLineEdit>(window, QStringLiteral("AUTOTIMER_ACTION_TEXTBOX"))->text();
}
inline QTimer* counter(QWidget* window) {
  QTimer* timer = window->findChild<QTimer*>(QStringLiteral("AUTOTIMER_COUNTER"));
  if (!timer) qFatal("no AUTOTIMER_COUNTER");
  return timer;
}

inline void typeTime(QWidget* window, const QString& text) {
  QLineEdit* box = countdownBox(window);
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, text);
}

// One tick of AUTOTIMER_COUNTER, delivered through its own timeout signal.
inline void tick(QWidget* window) {
  QTimer* timer = counter(window);
  EXPECT_TRUE(timer->isActive()) << "tick while the counter is off";
  QMetaObject::invokeMethod(timer, "timeout");
}

// What the state table says each state enables and locks.
struct Controls {
  bool actionButtons;
  bool ok;
  bool cancel;
  bool countdownLocked;
  bool counting;
  bool operator==(const Controls&) const = default;
};
inline constexpr Controls kWaitingOrSelectedWithoutOk{true, false, false, false, false};
inline constexpr Controls kSelectedOrAborted{true, true, false, false, false};
inline constexpr Controls kRunning{false, false, true, true, true};

inline Controls controlsOf(QWidget* window) {
  const bool actions = button(window, "SHUTDOWN_BUTTON")->isEnabled();
  for (const char* name : {"RESTART_BUTTON", "HIBERNATE_BUTTON", "LOGOFF_BUTTON"}) {
    EXPECT_EQ(button(window, name)->isEnabled(), actions) << name;
  }
  EXPECT_TRUE(button(window, "CLOSE_BUTTON")->isEnabled());
  return {actions, button(window, "OK_BUTTON")->isEnabled(),
          button(window, "CANCEL_BUTTON")->isEnabled(), countdownBox(window)->isReadOnly(),
          counter(window)->isActive()};
}

std::ostream& operator<<(std::ostream& out, const Controls& c) {
  return out << "actions " << c.actionButtons << " ok " << c.ok << " cancel " << c.cancel
             << " locked " << c.countdownLocked << " counting " << c.counting;
}

class AutotimerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { bar.show(); }

  // Presses the bar's AUTOTIMER button and runs the steps inside the window it opens;
  // returns once the window has closed.
  void openFromBar(const ModalScript::Action& steps) {
    ModalScript script;
    script
        .then(kWindow,
              [&steps](QWidget* window) {
                // Focus and default-button changes happen only in the active window.
                QApplication::setActiveWindow(window);
                steps(window);
              })
        .start();
    QTest::mouseClick(button(&bar, "AUTOTIMER_BUTTON"), Qt::LeftButton);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }

  RecordingStore store;
  WatchingLauncher launcher;
  FakeWindowManager windowManager;
  MainBar bar{AppServices{store, launcher, windowManager}};
};

}  // namespace autotimer_test
