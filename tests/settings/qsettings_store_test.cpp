#include "settings/qsettings_store.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

#include <QFile>
#include <QTemporaryDir>

#include "platform/platform_settings.h"
#include "settings/key_catalogue.h"
#include "settings/settings_location.h"

namespace {

class IniStore : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    qputenv("XDG_CONFIG_HOME", folder_.path().toUtf8());
  }
  void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

  std::unique_ptr<QSettingsStore> open() {
    return std::make_unique<QSettingsStore>(
        openPlatformSettings(kSettingsApplication, "ol-haltdeck"));
  }
  QString path() const { return folder_.path() + "/OL_HALTDECK/ol-haltdeck.ini"; }
  // Parses the file afresh: stores of this process on the same file share one cache.
  QString readFromACopyOfTheFile(const QString& key) const {
    static int copies = 0;
    const QString copy = folder_.filePath(QString("copy%1.ini").arg(++copies));
    QFile::copy(path(), copy);
    QSettingsStore store(std::make_unique<QSettings>(copy, QSettings::IniFormat));
    return store.read(key, "default");
  }
  // What is on disk now (other stores of this process would also see unsynced values).
  QByteArray fileText() const {
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir folder_;
};

TEST_F(IniStore, FreeTextRoundTripsExactlyThroughTheFile) {
  const QStringList texts{
      "",          " PC01 ", "a, b",        "\"quoted\"", "back\\slash\\\\", "semi;colon",
      "a=b",       "#hash",  "@Variant(0)", "@at",        "Grüße 東京",      "tab\there",
      "new\nline", "  ",     ",",           "'single'",   "[General]",       "x\\",
  };
  const QString key = settingKey(Setting::RowPcName, 1).name;
  for (const QString& text : texts) {
    open()->write(key, text);
    EXPECT_EQ(readFromACopyOfTheFile(key), text) << text.toStdString();
  }
}

TEST_F(IniStore, AWriteIsInTheFileWhenWriteReturns) {
  auto writer = open();
  const QString key = settingKey(Setting::ShutdownTimeout).name;
  writer->write(key, "60");
  EXPECT_TRUE(fileText().contains("SHUTDOWN_TIMEOUT_TEXTBOX=60"));
  EXPECT_EQ(open()->read(key, "30"), "60");
}

TEST_F(IniStore, MissingKeyGivesTheDefaultAndEmptyValueGivesEmpty) {
  auto store = open();
  const QString key = settingKey(Setting::SimplePcName).name;
  EXPECT_EQ(store->read(key, "default"), "default");
  store->write(key, "");
  EXPECT_EQ(open()->read(key, "default"), "");
}

TEST_F(IniStore, HandWrittenValuesReadAsTyped) {
  QDir().mkpath(folder_.path() + "/OL_HALTDECK");
  QFile file(path());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[General]\nMAIN_Width=5000\nPC_NAME_1_TEXTBOX=a, b\nPC_NAME_2_TEXTBOX=plain\n");
  file.close();
  auto store = open();
  EXPECT_EQ(store->read("MAIN_Width", "2500"), "5000");
  EXPECT_EQ(store->read("PC_NAME_1_TEXTBOX", ""), "a, b");
  EXPECT_EQ(store->read("PC_NAME_2_TEXTBOX", ""), "plain");
}

TEST_F(IniStore, ARenamedExecutableHasItsOwnSection) {
  EXPECT_EQ(settingsSectionFor("/opt/bin/ol-haltdeck"), "ol-haltdeck");
  EXPECT_EQ(settingsSectionFor("C:/Tools/OL-HALTDECK.copy.exe"), "OL-HALTDECK.copy");
}

}  // namespace

namespace {

TEST_F(IniStore, ABatchOfWritesReachesTheFileWhenItEnds) {
  auto store = open();
  const QString first = settingKey(Setting::RowPcName, 1).name;
  const QString last = settingKey(Setting::RowPcName, 30).name;
  {
    SettingsWriteBatch batch(*store);
    {
      SettingsWriteBatch inner(*store);
      store->write(first, "PC01");
    }
    store->write(last, "PC30");
    EXPECT_EQ(store->read(last, ""), "PC30");   // visible at once to this run
    EXPECT_FALSE(fileText().contains("PC01"));  // not yet on disk
  }
  EXPECT_TRUE(fileText().contains("PC_NAME_1_TEXTBOX=PC01"));
  EXPECT_TRUE(fileText().contains("PC_NAME_30_TEXTBOX=PC30"));
}

}  // namespace
