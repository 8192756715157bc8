#include "settings/typed_settings.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

#include "recording_store.h"

namespace {

TEST(TypedSettings, ValueOutsideItsFormReadsAsTheDefaultAndStaysStored) {
  RecordingStore store;
  const SettingKey tick = settingKey(Setting::AlwaysOnTop);
  const SettingKey left = placementKey(WindowId::Main, PlacementEdge::Left);
  store.preset(tick.name, QStringLiteral("7"));
  store.preset(left.name, QStringLiteral("left"));

  EXPECT_EQ(readTickState(store, tick), 1);
  EXPECT_EQ(readPlacementNumber(store, left), 1000.0f);
  EXPECT_TRUE(store.writes().isEmpty());
  EXPECT_EQ(store.value(tick.name), QStringLiteral("7"));
}

TEST(TypedSettings, ReadsPassTheKeysDefaultToTheStore) {
  RecordingStore store;
  EXPECT_EQ(readFreeText(store, settingKey(Setting::ShutdownTimeout)), QStringLiteral("30"));
  EXPECT_EQ(readTickState(store, settingKey(Setting::RunNowLogoff)), 0);
  const QList<RecordingStore::Access> expected{
      {RecordingStore::Access::Read, QStringLiteral("SHUTDOWN_TIMEOUT_TEXTBOX"),
       QStringLiteral("30")},
      {RecordingStore::Access::Read, QStringLiteral("LOGOFF_TICKBOX"), QStringLiteral("0")},
  };
  EXPECT_EQ(store.accesses(), expected);
}

TEST(TypedSettings, StoredEmptyTextIsNotTheDefault) {
  RecordingStore store;
  store.preset(settingKey(Setting::ShutdownTimeout).name, QString());
  EXPECT_EQ(readFreeText(store, settingKey(Setting::ShutdownTimeout)), QString());
}

}  // namespace
