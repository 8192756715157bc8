// The advanced window's Save in a loop in a child process over the real INI store,
// killed with SIGKILL at random moments, at least 200 times: after every kill the file
// parses and holds one whole set of saved values, the old one or the new one.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include "qt_printers.h"

#include "save_loop_process.h"
#include "save_loop_values.h"
#include "settings/qsettings_store.h"

namespace {

constexpr int kKills = 200;
// A bound, not a target: 15 to 25 s in a plain build; a sanitized build starts and saves
// two to three times slower.
#if defined(__SANITIZE_ADDRESS__)
#define HALTDECK_SANITIZED
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HALTDECK_SANITIZED
#endif
#endif
#ifdef HALTDECK_SANITIZED
constexpr qint64 kTimeLimitMs = 150000;
#else
constexpr qint64 kTimeLimitMs = 60000;
#endif

// Which of the two alternating sets the file holds whole: 0, 1, or -1 for neither.
int wholeSetIn(const QSettings& settings) {
  for (int set : {0, 1}) {
    const QMap<QString, QString> texts = advancedSaveTexts(crashSet(set));
    bool whole = true;
    for (auto it = texts.begin(); whole && it != texts.end(); ++it) {
      whole = settings.value(it.key()).toString() == it.value();
    }
    if (whole) return set;
  }
  return -1;
}

// Writes the first set with the real store, as a finished earlier save would have.
void seedFirstSet(SaveLoopFolder& folder) {
  QSettings settings(folder.path(), QSettings::IniFormat);
  const QMap<QString, QString> texts = advancedSaveTexts(crashSet(0));
  for (auto it = texts.begin(); it != texts.end(); ++it) settings.setValue(it.key(), it.value());
}

TEST(CrashDuringSave, EveryKillLeavesAWholeOldOrNewSet) {
  SaveLoopFolder folder(QStringLiteral("crash"));
  ASSERT_TRUE(folder.isValid());
  seedFirstSet(folder);
  const quint32 seed = QRandomGenerator::global()->generate();
  QRandomGenerator random(seed);
  QElapsedTimer clock;
  clock.start();
  int kills = 0;
  qint64 savesSeen = 0;
  int setsSeen[2] = {0, 0};
  int killsWhileLocked = 0;
  // Each helper starts while the one before it saves, and waits to be let go.
  auto next = folder.start({QStringLiteral("crash")});
  for (; kills < kKills && clock.elapsed() < kTimeLimitMs; ++kills) {
    const auto child = std::move(next);
    child->write("go\n");
    next = folder.start({QStringLiteral("crash")});
    QByteArray output;
    ASSERT_TRUE(readUntil(*child, output, "saving\n"))
        << "the helper did not start saving; " << folder.describe().toStdString();
    // Kill it in one of its next few saves: as it presses Save, as the writes go to the
    // file, or once a Save is done.
    const char moments[] = {'s', 'w', '.'};
    const char moment = moments[random.bounded(3)];
    output.clear();
    ASSERT_TRUE(readUntilCount(*child, output, moment, random.bounded(1, 3)))
        << "the helper stopped saving; " << folder.describe().toStdString();
    child->kill();
    ASSERT_TRUE(child->waitForFinished(10000));
    savesSeen += output.count('.');
    if (folder.lockLeft()) ++killsWhileLocked;

    const auto settings = folder.parseNow();
    ASSERT_TRUE(settings) << "no file after kill " << kills;
    ASSERT_EQ(settings->status(), QSettings::NoError) << "after kill " << kills;
    const int set = wholeSetIn(*settings);
    ASSERT_NE(set, -1) << "after kill " << kills << " the file holds a mix of saves (seed " << seed
                       << ")";
    ++setsSeen[set];
  }
  next->closeWriteChannel();
  EXPECT_TRUE(next->waitForFinished(10000));
  EXPECT_GE(kills, kKills) << "only " << kills << " kills in " << kTimeLimitMs << " ms";
  EXPECT_GT(setsSeen[0], 0);
  EXPECT_GT(setsSeen[1], 0);
  std::printf(
      "crash during save: %d kills survived in %.1f s (seed %u), %d of them while the file was "
      "being written; %lld saves seen finished; the file held the first set %d times and the "
      "second %d times; files left beside it: %s\n",
      kills, double(clock.elapsed()) / 1000, seed, killsWhileLocked, (long long)savesSeen,
      setsSeen[0], setsSeen[1],
      folder.leftovers().isEmpty() ? "none" : qPrintable(folder.leftovers().join(u' ')));
}

}  // namespace

namespace {

// A writer killed between creating the lock file and writing its process id into it
// leaves an empty lock; the next save must not wait for it to grow stale (30 s).
TEST(CrashDuringSave, AnEmptyLockLeftByAKilledWriterDoesNotHoldUpTheNextSave) {
  SaveLoopFolder folder(QStringLiteral("empty-lock"));
  ASSERT_TRUE(folder.isValid());
  QDir().mkpath(QFileInfo(folder.path()).path());
  QFile lock(folder.path() + QStringLiteral(".lock"));
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  lock.close();

  QElapsedTimer clock;
  clock.start();
  QSettingsStore store(std::make_unique<QSettings>(folder.path(), QSettings::IniFormat));
  const QString key = settingKey(Setting::ShutdownTimeout).name;
  store.write(key, QStringLiteral("45"));
  EXPECT_LT(clock.elapsed(), 5000);
  const auto settings = folder.parseNow();
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->value(key).toString(), QStringLiteral("45"));
  EXPECT_FALSE(folder.lockLeft());
}

}  // namespace
