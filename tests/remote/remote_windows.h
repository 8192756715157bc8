#pragma once

#include <gtest/gtest.h>

#include "qt_printers.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "layout_check.h"
#include "modal_script.h"
#include "recording_launcher.h"
#include "recording_store.h"
#include "remote/sgui_advanced.h"
#include "remote/sgui_simple.h"
#include "settings/key_catalogue.h"
#include "window_driver.h"

inline const QString kSimpleWindow = windowName(WindowId::SguiSimple);
inline const QString kAdvancedWindow = windowName(WindowId::SguiAdvanced);

inline QString keyName(Setting setting, int row = 0) {
  return settingKey(setting, row).name;
}
inline QString placementName(WindowId window, PlacementEdge edge) {
  return placementKey(window, edge).name;
}

// A store and launcher that record, and the two remote windows opened over nothing.
class RemoteWindowsTest : public ::testing::Test {
 protected:
  void insideSimple(const std::function<void(QWidget*)>& body) {
    inside(
        WindowId::SguiSimple, [this] { openWindow<SguiSimple>(nullptr, store, launcher); }, body);
  }
  void insideAdvanced(const std::function<void(QWidget*)>& body) {
    inside(
        WindowId::SguiAdvanced, [this] { openWindow<SguiAdvanced>(nullptr, store, launcher); },
        body);
  }
  // Opens the advanced window from the open simple window's SGUI Advanced button.
  static void insideAdvancedFrom(QWidget* simple, const std::function<void(QWidget*)>& body) {
    inside(
        WindowId::SguiAdvanced, [simple] { click(simple, QStringLiteral("SGUI_ADVANCED_BUTTON")); },
        body);
  }

  RecordingStore store;
  RecordingLauncher launcher;
};
