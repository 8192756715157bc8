// Two runs of the program at once over one INI file, one saving the advanced window and
// the other the simple window in a loop: the file is never corrupt while they run, each
// save reaches it whole, and once both have closed every key holds the value of the run
// that wrote it last (the shared timeout and the bar's keys: the run that closed last).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include "qt_printers.h"

#include "save_loop_process.h"
#include "save_loop_values.h"

namespace {

constexpr int kSavingMs = 2000;

struct Instance {
  explicit Instance(QString windowName) : window(std::move(windowName)) {}
  QString window;  // "advanced" or "simple"
  QString stopFile;
  std::unique_ptr<QProcess> process;
  QByteArray output;
  int last = -1;
};

// The iteration whose values the keys hold, all of them from the same save, or -1.
int iterationHeld(const QSettings& settings, const QString& tag, bool advanced) {
  const QString probeKey =
      advanced ? settingKey(Setting::RowPcName, 1).name : settingKey(Setting::SimplePcName).name;
  const QString name = settings.value(probeKey).toString();
  if (!name.startsWith(tag + u'-')) return -1;
  const int iteration = name.section(u'-', 1, 1).toInt();
  const SaveValues values = saveValues(tag, iteration);
  const QMap<QString, QString> texts =
      advanced ? advancedSaveTexts(values) : simpleSaveTexts(values);
  const QString shared = settingKey(Setting::ShutdownTimeout).name;
  for (auto it = texts.begin(); it != texts.end(); ++it) {
    if (it.key() == shared) continue;  // the other run writes it too
    if (settings.value(it.key()).toString() != it.value()) return -1;
  }
  return iteration;
}

class TwoInstances : public ::testing::Test {
 protected:
  void start(Instance& instance) {
    instance.stopFile = folder.filePath(QStringLiteral("stop-") + instance.window);
    QFile::remove(instance.stopFile);
    instance.process =
        folder.start({QStringLiteral("instance"), instance.window, instance.stopFile});
    ASSERT_TRUE(readUntil(*instance.process, instance.output, "saving\n"));
  }

  void stop(Instance& instance) {
    QFile stop(instance.stopFile);
    ASSERT_TRUE(stop.open(QIODevice::WriteOnly));
    stop.close();
    ASSERT_TRUE(
        instance.process->waitForFinished(90000));  // a loaded machine waits long for the lock
    EXPECT_EQ(instance.process->exitCode(), 0);
    instance.output += instance.process->readAllStandardOutput();
    const qsizetype at = instance.output.lastIndexOf("last ");
    ASSERT_GE(at, 0);
    instance.last = instance.output.mid(at + 5).trimmed().toInt();
    ASSERT_GE(instance.last, 0);
  }

  // Both save for a while; the file is read over and over meanwhile.
  void saveTogether(Instance& advanced, Instance& simple) {
    start(advanced);
    start(simple);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kSavingMs) {
      const auto settings = folder.parseNow();
      ASSERT_TRUE(settings);
      ASSERT_EQ(settings->status(), QSettings::NoError);
      ASSERT_NE(iterationHeld(*settings, QStringLiteral("A"), true), -1) << "a torn advanced save";
      ASSERT_NE(iterationHeld(*settings, QStringLiteral("B"), false), -1) << "a torn simple save";
      ++parses;
      QCoreApplication::processEvents();
    }
  }

  // Every key as the run that wrote it last left it.
  void expectLastWritesWin(const Instance& advanced, const Instance& simple,
                           const Instance& closedLast) {
    const auto settings = folder.parseNow();
    ASSERT_TRUE(settings);
    EXPECT_EQ(iterationHeld(*settings, QStringLiteral("A"), true), advanced.last);
    EXPECT_EQ(iterationHeld(*settings, QStringLiteral("B"), false), simple.last);
    const bool advancedLast = &closedLast == &advanced;
    const SaveValues lastSave = advancedLast ? saveValues(QStringLiteral("A"), advanced.last)
                                             : saveValues(QStringLiteral("B"), simple.last);
    EXPECT_EQ(settings->value(settingKey(Setting::ShutdownTimeout).name).toString(),
              lastSave.timeout);
    // The bar of the run that closed last: its position and its Always On Top mirror.
    const QPoint bar = advancedLast ? QPoint(10, 20) : QPoint(30, 40);
    EXPECT_EQ(settings->value(placementKey(WindowId::Main, PlacementEdge::Left).name).toString(),
              QString::number(bar.x() * 15));
    EXPECT_EQ(settings->value(placementKey(WindowId::Main, PlacementEdge::Top).name).toString(),
              QString::number(bar.y() * 15));
    EXPECT_EQ(settings->value(settingKey(Setting::AlwaysOnTop).name).toString(),
              advancedLast ? QStringLiteral("0") : QStringLiteral("1"));
  }

  SaveLoopFolder folder{QStringLiteral("two-instances")};
  int parses = 0;
};

TEST_F(TwoInstances, NeverCorruptAndTheLastWriterWinsKeyByKey) {
  ASSERT_TRUE(folder.isValid());
  int saves = 0;
  for (bool advancedClosesLast : {true, false}) {
    SCOPED_TRACE(advancedClosesLast ? "advanced closes last" : "simple closes last");
    Instance advanced(QStringLiteral("advanced"));
    Instance simple(QStringLiteral("simple"));
    saveTogether(advanced, simple);
    if (HasFatalFailure()) return;
    Instance& first = advancedClosesLast ? simple : advanced;
    Instance& second = advancedClosesLast ? advanced : simple;
    stop(first);
    stop(second);
    if (HasFatalFailure()) return;
    expectLastWritesWin(advanced, simple, second);
    saves += advanced.last + simple.last + 2;
  }
  std::printf("two instances: %d saves, the file parsed whole %d times while they ran\n", saves,
              parses);
}

}  // namespace
