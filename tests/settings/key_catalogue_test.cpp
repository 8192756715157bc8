#include "settings/key_catalogue.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

#include <QSet>

namespace {

TEST(KeyCatalogue, HoldsEveryKeyOnceWithItsFormAndDefault) {
  const QList<SettingKey> keys = keyCatalogue();
  ASSERT_EQ(keys.size(), 189);
  QSet<QString> names;
  for (const SettingKey& key : keys) names.insert(key.name);
  EXPECT_EQ(names.size(), 189);

  const auto find = [&](const char* name) {
    for (const SettingKey& key : keys) {
      if (key.name == QLatin1String(name)) return key;
    }
    ADD_FAILURE() << name << " missing";
    return SettingKey{};
  };
  EXPECT_EQ(find("MAIN_Width").defaultText, QStringLiteral("2500"));
  EXPECT_EQ(find("SGUI_SIM_Height").defaultText, QStringLiteral("3400"));
  EXPECT_EQ(find("ACTION_WINDOW_Left").form, ValueForm::PlacementNumber);
  EXPECT_EQ(find("AlwaysOnTop_TICKBOX").defaultText, QStringLiteral("1"));
  EXPECT_EQ(find("SHUTDOWN_TIMEOUT_TEXTBOX").defaultText, QStringLiteral("30"));
  EXPECT_EQ(find("PC_NAME_30_TEXTBOX").form, ValueForm::FreeText);
  EXPECT_EQ(find("PC_NAME_30_TEXTBOX").defaultText, QString());
  EXPECT_EQ(find("FORCE_1_TICKBOX").form, ValueForm::TickState);
}

TEST(KeyCatalogue, NamesRowKeysWithoutLeadingZeros) {
  EXPECT_EQ(settingKey(Setting::RowPcName, 7).name, QStringLiteral("PC_NAME_7_TEXTBOX"));
  EXPECT_EQ(settingKey(Setting::RowBatchRun, 30).name, QStringLiteral("BATCH_RUN_30_TICKBOX"));
  EXPECT_EQ(placementKey(WindowId::RunOptions, PlacementEdge::Top).name,
            QStringLiteral("RUN_OPTIONS_Top"));
  EXPECT_EQ(placementKey(WindowId::Autotimer, PlacementEdge::Left).defaultText,
            QStringLiteral("1000"));
}

}  // namespace
