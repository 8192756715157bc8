// Each of the seven windows opened over a store whose every key holds a hostile value
// behaves exactly as over a store where each key holds what that value means in the
// key's form: a value outside the form counts as the key's default, a valid one as
// itself. The window shows the same, writes the same and nothing else.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include "qt_printers.h"

#include "hostile_values.h"
#include "modal_script.h"
#include "recording_launcher.h"
#include "recording_store.h"
#include "seven_windows.h"

namespace {

// The store under test and the store of meanings, for one way of filling the keys.
struct StorePair {
  RecordingStore hostile;
  RecordingStore meant;
};

// Every key the window reads holds the hostile value; with mixed, every second key holds
// a plainly valid value instead.
void fill(StorePair& stores, WindowId id, const HostileValue& value, bool mixed) {
  const QList<SettingKey> keys = keysReadBy(id);
  for (int i = 0; i < keys.size(); ++i) {
    const SettingKey& key = keys[i];
    if (mixed && i % 2 == 1) {
      stores.hostile.preset(key.name, validValueFor(key, i));
      stores.meant.preset(key.name, validValueFor(key, i));
      continue;
    }
    stores.hostile.preset(key.name, value.text);
    if (const std::optional<QString> meaning = meaningOf(value, key)) {
      stores.meant.preset(key.name, *meaning);
    }
  }
}

QStringList names(const QList<SettingKey>& keys) {
  QStringList list;
  for (const SettingKey& key : keys) list.append(key.name);
  return list;
}

QStringList keysOf(const QStringList& writes) {
  QStringList keys;
  for (const QString& write : writes) keys.append(write.section(u'=', 0, 0));
  return keys;
}

class HostileStore : public ::testing::TestWithParam<WindowId> {};

TEST_P(HostileStore, AValueOutsideItsFormReadsAsTheDefaultAndNothingElseChanges) {
  const WindowId id = GetParam();
  const QStringList mayWrite = keysWrittenBy(id);
  int cases = 0;
  for (const HostileValue& value : hostileValues()) {
    for (bool mixed : {false, true}) {
      SCOPED_TRACE(std::string(value.label) + (mixed ? ", every second key valid" : ""));
      StorePair stores;
      fill(stores, id, value, mixed);
      RecordingLauncher launcher;
      QStringList freeTextShown;
      const WindowRun hostile = runWindow(id, stores.hostile, launcher, [&](QWidget* window) {
        for (const SettingKey& key : keysReadBy(id)) {
          if (key.form != ValueForm::FreeText) continue;
          freeTextShown.append(control<QLineEdit>(window, key.name)->text());
        }
      });
      const WindowRun meant = runWindow(id, stores.meant, launcher);
      ++cases;

      EXPECT_EQ(hostile.readKeys, names(keysReadBy(id)));
      EXPECT_EQ(hostile.shown, meant.shown);
      EXPECT_EQ(hostile.writes, meant.writes);
      for (const QString& key : keysOf(hostile.writes))
        EXPECT_TRUE(mayWrite.contains(key)) << key.toStdString();
      // Free text is shown whole, whatever it holds: 100,000 characters and control
      // characters included.
      for (const QString& shown : freeTextShown) {
        EXPECT_TRUE(shown == value.text || (mixed && shown.startsWith(u' ')))
            << shown.size() << " characters shown";
      }
      EXPECT_TRUE(launcher.launches.isEmpty());
    }
  }
  std::printf("hostile store %s: %d cases\n", windowLabel(id), cases);
}

INSTANTIATE_TEST_SUITE_P(SevenWindows, HostileStore, ::testing::ValuesIn(kSevenWindows),
                         [](const ::testing::TestParamInfo<WindowId>& info) {
                           return std::string(windowLabel(info.param)).substr(12);
                         });

// A store whose values all mean something else than the defaults: the check above would
// not see a window that ignored its store.
TEST(HostileStoreReference, ValidValuesChangeWhatEachWindowShows) {
  for (WindowId id : kSevenWindows) {
    RecordingStore valid;
    RecordingStore empty;
    const QList<SettingKey> keys = keysReadBy(id);
    for (int i = 0; i < keys.size(); ++i) valid.preset(keys[i].name, validValueFor(keys[i], i));
    RecordingLauncher launcher;
    EXPECT_NE(runWindow(id, valid, launcher).shown, runWindow(id, empty, launcher).shown)
        << windowLabel(id);
  }
}

// A stored size far beyond any screen gives a window no larger than the desktop, or than
// its designed size where that is larger: drawing a window millions of pixels wide would
// take gigabytes of memory.
TEST(HostileStoreSize, AHugeStoredSizeIsLimitedToTheDesktop) {
  const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
  for (WindowId id : kSevenWindows) {
    RecordingStore store;
    RecordingStore designed;
    for (PlacementEdge edge : {PlacementEdge::Width, PlacementEdge::Height}) {
      store.preset(placementKey(id, edge).name, QStringLiteral("3e38"));
    }
    RecordingLauncher launcher;
    QSize huge;
    QSize normal;
    runWindow(id, store, launcher, [&](QWidget* window) { huge = window->size(); });
    runWindow(id, designed, launcher, [&](QWidget* window) { normal = window->size(); });
    EXPECT_EQ(huge, desktop.expandedTo(normal)) << windowLabel(id);
  }
}

}  // namespace
