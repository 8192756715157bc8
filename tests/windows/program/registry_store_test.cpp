// The store on Windows: the registry area of the program-settings functions, seen from
// outside through reg.exe.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/platform_settings.h"
#include "reg_tool.h"
#include "settings/qsettings_store.h"
#include "settings/settings_location.h"

namespace {

class RegistryStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { reg_tool::deleteKey(key); }
  void TearDown() override { reg_tool::deleteKey(key); }

  QSettingsStore openStore() const {
    return QSettingsStore(openPlatformSettings(kSettingsApplication, section));
  }

  // This test program's own section, as the bar computes it for itself.
  const QString section = settingsSectionFor(QCoreApplication::applicationFilePath());
  const QString key = reg_tool::sectionKey(section);
};

TEST_F(RegistryStoreTest, SectionIsTheExecutableNameWithoutDirectoryOrExtension) {
  EXPECT_EQ(section, QStringLiteral("windows_program_tests"));
}

TEST_F(RegistryStoreTest, WritesEveryValueAsAStringUnderTheSectionKey) {
  const std::pair<const char*, QString> values[] = {
      {"MAIN_Left", "1000"},        {"MAIN_Top", "-150"},
      {"AlwaysOnTop_TICKBOX", "1"}, {"PC_NAME_SSS_TEXTBOX", "  PC 01  "},  // blanks kept
      {"PC_NAME_7_TEXTBOX", ""},
  };
  QSettingsStore store = openStore();
  for (const auto& [name, text] : values) store.write(QLatin1String(name), text);

  for (const auto& [name, text] : values) {
    SCOPED_TRACE(name);
    const auto stored = reg_tool::query(key, QLatin1String(name));
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, QStringLiteral("REG_SZ"));
    EXPECT_EQ(stored->data, text);
  }
}

TEST_F(RegistryStoreTest, ReadsValuesSeededFromOutsideMissingAsDefaultEmptyAsEmpty) {
  ASSERT_TRUE(reg_tool::addString(key, "MAIN_Width", "5000"));
  ASSERT_TRUE(reg_tool::addString(key, "PC_NAME_SSS_TEXTBOX", " SERVER-2 "));
  ASSERT_TRUE(reg_tool::addString(key, "PC_NAME_1_TEXTBOX", ""));
  QSettingsStore store = openStore();

  EXPECT_EQ(store.read("MAIN_Width", "2500"), QStringLiteral("5000"));
  EXPECT_EQ(store.read("PC_NAME_SSS_TEXTBOX", ""), QStringLiteral(" SERVER-2 "));
  EXPECT_EQ(store.read("PC_NAME_1_TEXTBOX", "default"), QString());
  EXPECT_EQ(store.read("MAIN_Height", "945"), QStringLiteral("945"));
  EXPECT_EQ(store.read("SHUTDOWN_TIMEOUT_TEXTBOX", "30"), QStringLiteral("30"));
}

TEST_F(RegistryStoreTest, ASectionThatDoesNotExistReadsAsDefaults) {
  QSettingsStore store(openPlatformSettings(kSettingsApplication, "no-such-copy"));
  EXPECT_EQ(store.read("MAIN_Left", "1000"), QStringLiteral("1000"));
  EXPECT_FALSE(reg_tool::query(reg_tool::sectionKey("no-such-copy"), "MAIN_Left").has_value());
}

}  // namespace
