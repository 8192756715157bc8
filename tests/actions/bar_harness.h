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
#include "window_driver.h"

inline const QString kConfirmWindow = windowName(WindowId::ConfirmAction);
inline const QString kRunOptionWindow = windowName(WindowId::RunOptions);

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

  void click(const char* barButton) { ::click(&bar(), QLatin1String(barButton)); }

  RecordingStore store;
  RecordingLauncher launcher;
  FakeWindowManager windowManager;

 private:
  std::unique_ptr<MainBar> bar_;
};

// Presses a window's button the way a user does.
inline void press(QWidget* window, const char* button) {
  click(window, QLatin1String(button));
}
