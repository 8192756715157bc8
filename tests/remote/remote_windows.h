#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "modal_script.h"
#include "recording_launcher.h"
#include "recording_store.h"
#include "remote/sgui_advanced.h"
#include "remote/sgui_simple.h"
#include "settings/key_catalogue.h"

inline const QString kSimpleWindow = QStringLiteral("OL_HALTDECK_SGUI_SIMPLE");
inline const QString kAdvancedWindow = QStringLiteral("OL_HALTDECK_SGUI_ADVANCED");

// Runs body inside the modal window that open() shows, then closes it with its title-bar
// close box unless body closed it already.
inline void inside(const QString& windowName, const std::function<void()>& open,
                   const std::function<void(QWidget*)>& body) {
  ModalScript script;
  script.then(windowName, [&](QWidget* window) {
    body(window);
    if (window->isVisible()) window->close();
  });
  script.start();
  open();
  EXPECT_TRUE(script.finished()) << windowName.toStdString() << " did not open";
}

inline void click(QWidget* window, const QString& buttonName) {
  QTest::mouseClick(control<QPushButton>(window, buttonName), Qt::LeftButton);
}

// Clicks a check box on its tick mark, as a user does.
inline void clickTick(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(7, box->height() / 2));
}

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
        kSimpleWindow, [this] { openWindow<SguiSimple>(nullptr, store, launcher); }, body);
  }
  void insideAdvanced(const std::function<void(QWidget*)>& body) {
    inside(
        kAdvancedWindow, [this] { openWindow<SguiAdvanced>(nullptr, store, launcher); }, body);
  }
  // Opens the advanced window from the open simple window's SGUI Advanced button.
  static void insideAdvancedFrom(QWidget* simple, const std::function<void(QWidget*)>& body) {
    inside(
        kAdvancedWindow, [simple] { click(simple, QStringLiteral("SGUI_ADVANCED_BUTTON")); }, body);
  }

  RecordingStore store;
  RecordingLauncher launcher;
};
