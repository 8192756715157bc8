// Prints one figure a line, "name: value unit":
// - the time of one BATCH RUN click that starts 60 command lines through the platform
//   launcher, with /bin/true standing in for `shutdown`, next to a plain loop of
//   posix_spawnp starting 60 /bin/true, and the ratio of the two (goal: at most 2);
// - the advanced window's Save (153 writes to the INI file) and its opening, up to its
//   first full paint (goal: each under 50 ms).
// Two more figures show where the time goes: the launcher alone, called 60 times without
// the window, and the same 153 values written to a QSettings file with a single sync.
// Each figure is the median of several rounds.
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_figures.h"
#include "platform/platform_settings.h"
#include "program_swap_launcher.h"
#include "remote/sgui_advanced.h"
#include "settings/qsettings_store.h"
#include "settings/settings_location.h"

extern char** environ;

namespace {

constexpr int kRounds = 9;
constexpr int kLaunchesPerBatch = 60;
constexpr const char* kStandIn = "/bin/true";

// Every row marked for BATCH RUN with Shutdown and Restart ticked: 60 lines a click.
void seedAllRows(SettingsStore& store) {
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    store.write(settingKey(Setting::RowBatchRun, n).name, QStringLiteral("1"));
    store.write(settingKey(Setting::RowPcName, n).name, QStringLiteral("PC%1").arg(n));
    store.write(settingKey(Setting::RowShutdown, n).name, QStringLiteral("1"));
    store.write(settingKey(Setting::RowRestart, n).name, QStringLiteral("1"));
  }
}

// Opens the advanced window as SGUI_SIMPLE does, runs inside() while it is shown and
// closes it. Returns the time from the start of the opening to its first full paint.
double openAdvanced(SettingsStore& store, CommandLauncher& launcher,
                    const std::function<void(QWidget*)>& inside) {
  QElapsedTimer timer;
  double openedMs = 0;
  QTimer::singleShot(0, [&] {
    QWidget* window = QApplication::activeModalWidget();
    window->repaint();
    openedMs = msSince(timer);
    inside(window);
    window->close();
  });
  timer.start();
  openWindow<SguiAdvanced>(nullptr, store, launcher);
  return openedMs;
}

// The floor: the same number of processes started back to back by plain C calls.
double spawnLoopMs() {
  char program[] = "/bin/true";
  char* argv[] = {program, nullptr};
  std::vector<pid_t> children;
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < kLaunchesPerBatch; ++i) {
    pid_t pid = 0;
    if (posix_spawnp(&pid, kStandIn, nullptr, nullptr, argv, environ) == 0) children.push_back(pid);
  }
  const double ms = msSince(timer);
  for (pid_t pid : children) waitpid(pid, nullptr, 0);
  return ms;
}

// The launcher alone: the same 60 lines without the window and the rules around them.
double launcherLoopMs(CommandLauncher& launcher) {
  QElapsedTimer timer;
  timer.start();
  for (int n = 1; n <= kLaunchesPerBatch; ++n) {
    launcher.launch(QStringLiteral("shutdown /s /m \\\\PC%1 /t 30").arg(n), WindowStyle::Hidden);
  }
  return msSince(timer);
}

// What Save would cost if the file were synced once instead of after every write.
double oneSyncSaveMs(QSettings& settings) {
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < 153; ++i) {
    settings.setValue(QStringLiteral("KEY_%1").arg(i), QStringLiteral("PC%1").arg(i));
  }
  settings.sync();
  return msSince(timer);
}

// Gives the detached processes of the last click time to end before the next round.
void settle() {
  QThread::msleep(100);
}

template <typename Control>
Control* find(QWidget* window, const char* name) {
  return window->findChild<Control*>(QLatin1String(name));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;  // the real INI file, away from the user's own
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication app(argc, argv);

  QSettingsStore store(openPlatformSettings(kSettingsApplication, QStringLiteral("bench_remote")));
  seedAllRows(store);
  const auto platform = createPlatformLauncher();
  ProgramSwapLauncher launcher(*platform,
                               [](const QString&) { return QString::fromLatin1(kStandIn); });

  std::vector<double> openMs;
  for (int i = 0; i < kRounds; ++i)
    openMs.push_back(openAdvanced(store, launcher, [](QWidget*) {}));

  std::vector<double> saveMs, batchMs, floorMs, launcherMs, oneSyncMs;
  const auto oneSyncSettings =
      openPlatformSettings(kSettingsApplication, QStringLiteral("bench_remote_one_sync"));
  openAdvanced(store, launcher, [&](QWidget* window) {
    auto* save = find<QPushButton>(window, "SAVE_BUTTON");
    auto* batchRun = find<QPushButton>(window, "BATCH_RUN_BUTTON");
    find<QCheckBox>(window, "ENABLE_BATCH_RUN_TICKBOX")->setChecked(true);
    for (int i = 0; i < kRounds; ++i) {
      QElapsedTimer timer;
      timer.start();
      save->click();
      saveMs.push_back(msSince(timer));

      launcher.launched.clear();
      timer.restart();
      batchRun->click();
      batchMs.push_back(msSince(timer));
      if (launcher.launched.size() != kLaunchesPerBatch) {
        std::fprintf(stderr, "wrong launch count\n");
      }
      settle();
      floorMs.push_back(spawnLoopMs());
      settle();
      launcherMs.push_back(launcherLoopMs(launcher));
      settle();
      oneSyncMs.push_back(oneSyncSaveMs(*oneSyncSettings));
    }
  });
  if (!launcher.refused.isEmpty()) {
    std::fprintf(stderr, "refused to launch %lld lines\n", qlonglong(launcher.refused.size()));
    return 1;
  }

  print("advanced_window_open", median(openMs), "ms");
  print("advanced_window_save_153_writes", median(saveMs), "ms");
  print("batch_run_click_60_launches", median(batchMs), "ms");
  print("posix_spawnp_loop_60", median(floorMs), "ms");
  print("batch_run_to_posix_spawnp_ratio", median(batchMs) / median(floorMs), "x");
  print("platform_launcher_loop_60", median(launcherMs), "ms");
  print("qsettings_153_values_one_sync", median(oneSyncMs), "ms");
  return 0;
}
