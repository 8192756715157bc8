#include "settings/window_placement.h"
#include "widgets/window_geometry.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

#include <QWidget>

#include "recording_store.h"

namespace {

TEST(WindowPlacement, ReadsLeftTopWidthHeightInOrderWithTheWindowsDefaults) {
  RecordingStore store;
  const Placement placement = readPlacement(store, WindowId::SguiAdvanced);
  EXPECT_EQ(store.readKeys(),
            (QStringList{"SGUI_ADV_Left", "SGUI_ADV_Top", "SGUI_ADV_Width", "SGUI_ADV_Height"}));
  EXPECT_EQ(placement.left, 1000.0f);
  EXPECT_EQ(placement.top, 1000.0f);
  EXPECT_EQ(placement.width, 14595.0f);
  EXPECT_EQ(placement.height, 7500.0f);
}

TEST(WindowPlacement, PlacesTheOuterCornerAndSizesTheClientWithinTheDesignedFrame) {
  QWidget window;
  applyPlacement(window, WindowId::ConfirmAction, {1500, -3000, 5160, 3315});
  EXPECT_EQ(window.pos(), QPoint(100, -200));
  EXPECT_EQ(window.size(), QSize(338, 196));  // client 5070 x 2940 twips
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST(WindowPlacement, HugeStoredNumbersStayWithinWhatAWindowAccepts) {
  QWidget window;
  applyPlacement(window, WindowId::Main, {3e38f, -3e38f, 3e38f, -5});
  EXPECT_EQ(window.pos(), QPoint(QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX));
  EXPECT_EQ(window.height(), 1);
}

TEST(WindowPlacement, WritesLeftThenTopOnlyNegativesWithTheirSign) {
  RecordingStore store;
  QWidget window;
  window.move(-100, 20);
  writeWindowPosition(store, WindowId::About, window);
  EXPECT_EQ(store.writes(), (QStringList{"ABOUT_Left=-1500", "ABOUT_Top=300"}));
}

}  // namespace

namespace {

TEST(WindowPlacement, AnUnmovedWindowWritesItsStoredPositionBackUnchanged) {
  RecordingStore store;
  QWidget window;
  applyPlacement(window, WindowId::Autotimer, {1000, -1234.5f, 5985, 4290});
  writeWindowPosition(store, WindowId::Autotimer, window);
  window.move(window.pos() + QPoint(1, 0));
  writeWindowPosition(store, WindowId::Autotimer, window);
  EXPECT_EQ(store.writes(), (QStringList{"AUTOTIMER_Left=1000", "AUTOTIMER_Top=-1234.5",
                                         "AUTOTIMER_Left=1020", "AUTOTIMER_Top=-1230"}));
}

}  // namespace
