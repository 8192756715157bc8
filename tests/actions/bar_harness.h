#pragma once

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_bar.h"
#include "fake_window_manager.h"
#include "modal_script.h"
#include "recording_launcher.h"
#include "recording_store.h"
#include "settings/key_catalogue.h"

inline const QString kConfirmWindow = QStringLiteral("OL_HALTDECK_CONFIRM_ACTION_WINDOW");
inline const QString kRunOptionWindow = QStringLiteral("OL_HALTDECK_RUN_OPTION_WINDOW");

inline QString keyName(WindowId window, PlacementEdge edge) {
  return placementKey(window, edge).name;
}
inline QString leftKey(WindowId window) {
  return keyName(window, PlacementEdge::Left);
}
inline QString topKey(WindowId window) {
  return keyName(window, PlacementEdge::Top);
}

// A shown bar over recording services. Presets go in before the first call of bar(),
// which loads the bar from them and then forgets the accesses of that load.
class BarHarness {
 public:
  void preset(Setting setting, const QString& text) {
    store.preset(settingKey(setting).name, text);
  }

  MainBar& bar() {
    if (!bar_) {
      bar_ = std::make_unique<MainBar>(AppServices{store, launcher, windowManager});
      bar_->show();
      store.clearAccesses();
    }
    return *bar_;
  }

  void click(const char* barButton) {
    QTest::mouseClick(control<QPushButton>(&bar(), QLatin1String(barButton)), Qt::LeftButton);
  }

  RecordingStore store;
  RecordingLauncher launcher;
  FakeWindowManager windowManager;

 private:
  std::unique_ptr<MainBar> bar_;
};

// Presses a window's button the way a user does.
inline void press(QWidget* window, const char* button) {
  QTest::mouseClick(control<QPushButton>(window, QLatin1String(button)), Qt::LeftButton);
}

// Sends a key to whatever has the focus in the window.
inline void key(QWidget* window, Qt::Key key) {
  QWidget* target = window->focusWidget() ? window->focusWidget() : window;
  QTest::keyClick(target, key);
}

// Runs an action from the event loop after the current script step has returned. A press
// that opens a nested window must go this way: while a step runs, the script's timer
// cannot fire again, so it could not act on the nested window.
inline void later(QWidget* window, std::function<void()> action) {
  QTimer::singleShot(0, window, std::move(action));
}
