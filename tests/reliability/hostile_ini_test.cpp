// The real INI store with bytes that are not UTF-8 in every key a window reads, and lines
// that are no settings at all: each window opens as if the numbers were missing and the
// texts held replacement characters, and what it writes leaves the rest of the file as
// it read it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include "qt_printers.h"

#include "hostile_values.h"
#include "platform/platform_settings.h"
#include "recording_launcher.h"
#include "recording_store.h"
#include "settings/qsettings_store.h"
#include "settings/settings_location.h"
#include "seven_windows.h"

namespace {

const QByteArray kInvalidUtf8[] = {
    "\xff",
    "\xfe\xff",
    "1\xff",
    "\xc3(",
    "\xed\xa0\x80",
    "\xc0\xaf",
    "\xf4\x90\x80\x80",
    "0\x80",
    "\xe2\x82",
    "PC\xc3\x28"
    "01",
};
const QString kForeignKey = QStringLiteral("SOMEONE_ELSES_KEY");

struct KeyLine {
  SettingKey key;
  QByteArray bytes;  // as written in the file
  QString meant;     // what the key reads as
  bool valid;        // whether that text is in the key's form
};

// Sequences that are not UTF-8 read as replacement characters; an unfinished one at the
// end of a value reads as nothing, as a decoder that is never told the text has ended.
QString readAsText(const QByteArray& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8);
  return decoder(bytes);
}

// Every third key holds a plainly valid value, the others bytes that are not UTF-8.
QList<KeyLine> keyLinesFor(WindowId id) {
  QList<KeyLine> lines;
  const QList<SettingKey> keys = keysReadBy(id);
  for (int i = 0; i < keys.size(); ++i) {
    if (i % 3 == 2) {
      const QString value = validValueFor(keys[i], i);
      lines.append({keys[i], '"' + value.toUtf8() + '"', value, true});
    } else {
      const QByteArray bytes = kInvalidUtf8[i % std::size(kInvalidUtf8)];
      lines.append({keys[i], bytes, readAsText(bytes), keys[i].form == ValueForm::FreeText});
    }
  }
  return lines;
}

QByteArray iniText(const QList<KeyLine>& lines) {
  QByteArray text = "[General]\n\xff\xfe garbage without an equals sign\n";
  for (const KeyLine& line : lines) text += line.key.name.toUtf8() + '=' + line.bytes + '\n';
  text += kForeignKey.toUtf8() + "=keep me\n\xff\xfe=7\n[Other]\nX=1\n";
  return text;
}

class HostileIni : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
  }
  void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

  QString pathOf(const QString& section) const {
    return folder.filePath(kSettingsApplication + u'/' + section + QStringLiteral(".ini"));
  }

  // The file parsed afresh: settings objects of this process on one file share a cache.
  std::unique_ptr<QSettings> parseCopyOf(const QString& path) {
    const QString copy = folder.filePath(QStringLiteral("copy-%1.ini").arg(++copies));
    QFile::copy(path, copy);
    return std::make_unique<QSettings>(copy, QSettings::IniFormat);
  }

  QTemporaryDir folder;
  int copies = 0;
};

TEST_F(HostileIni, BytesThatAreNotUtf8ReadAsDefaultsOrReplacementCharacters) {
  int keysTried = 0;
  for (WindowId id : kSevenWindows) {
    SCOPED_TRACE(windowLabel(id));
    const QString section = QStringLiteral("hostile-%1").arg(int(id));
    const QList<KeyLine> lines = keyLinesFor(id);
    QDir().mkpath(folder.filePath(kSettingsApplication));
    QFile file(pathOf(section));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(iniText(lines));
    file.close();

    RecordingStore meant;
    for (const KeyLine& line : lines) {
      if (line.valid) meant.preset(line.key.name, line.meant);
    }
    QSettingsStore store(openPlatformSettings(kSettingsApplication, section));
    RecordingLauncher launcher;
    const WindowRun real = runWindow(id, store, launcher);
    const WindowRun expected = runWindow(id, meant, launcher);
    EXPECT_EQ(real.shown, expected.shown);
    EXPECT_EQ(real.writes, expected.writes);
    keysTried += int(lines.size());

    // What the window did not write reads as before; the rest of the file is still there.
    const auto after = parseCopyOf(pathOf(section));
    QStringList written;
    for (const QString& write : real.writes) written.append(write.section(u'=', 0, 0));
    for (const KeyLine& line : lines) {
      if (written.contains(line.key.name)) continue;
      EXPECT_EQ(after->value(line.key.name).toString(), line.meant) << line.key.name.toStdString();
    }
    for (const QString& write : real.writes) {
      const QString key = write.section(u'=', 0, 0);
      EXPECT_EQ(after->value(key).toString(), write.section(u'=', 1)) << key.toStdString();
    }
    EXPECT_EQ(after->value(kForeignKey).toString(), QStringLiteral("keep me"));
    EXPECT_EQ(after->value(QStringLiteral("Other/X")).toString(), QStringLiteral("1"));
  }
  std::printf("hostile INI file: %d keys with bytes that are not UTF-8 or valid values\n",
              keysTried);
}

}  // namespace
