// Prints one figure a line, "name: value unit", each the median of a few rounds:
// - BATCH RUN of 60 lines (30 rows, Shutdown and Restart ticked) through the real launcher
//   and the layer to a real smbd on loopback: the time from the click until the server
//   has run its shutdown script 60 times; next to it a plain loop starting the same 60
//   `net rpc shutdown` processes, timed the same way, and the ratio of the two;
// - a local action from OK in the confirm window to the call reaching logind (mocked on
//   a private bus).
// Needs root (smbd); runs in a network namespace of its own when it can.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "actions/confirm_action_window.h"
#include "app/main_bar.h"
#include "bench_figures.h"
#include "fake_window_manager.h"
#include "platform/command_launcher.h"
#include "private_bus.h"
#include "recording_store.h"
#include "remote/sgui_advanced.h"
#include "samba_server.h"
#include "settings/key_catalogue.h"

extern char** environ;

namespace {

constexpr int kRounds = 5;
constexpr int kLines = 60;

// Waits until the server holds count records, polling each millisecond; false after 60 s.
bool waitForRecords(const SambaServer& server, qsizetype count) {
  QElapsedTimer timer;
  timer.start();
  while (server.records().size() < count) {
    if (timer.elapsed() > 60000) return false;
    QThread::msleep(1);
  }
  return true;
}

double batchRunMs(RecordingStore& store, CommandLauncher& launcher, const SambaServer& server) {
  const qsizetype before = server.records().size();
  QElapsedTimer timer;
  QTimer::singleShot(0, [&] {
    QWidget* window = QApplication::activeModalWidget();
    window->findChild<QCheckBox*>(QStringLiteral("ENABLE_BATCH_RUN_TICKBOX"))->setChecked(true);
    timer.start();
    window->findChild<QPushButton*>(QStringLiteral("BATCH_RUN_BUTTON"))->click();
    window->close();
  });
  openWindow<SguiAdvanced>(nullptr, store, launcher);
  if (!waitForRecords(server, before + kLines)) return -1;
  return msSince(timer);
}

// The same 60 requests as plain `net` processes, started back to back.
double netLoopMs(const SambaServer& server, const QString& credentials) {
  const qsizetype before = server.records().size();
  std::vector<QByteArray> arguments = {
      "net",          "rpc",
      "shutdown",     "--server=localhost",
      "--timeout=30", "--authentication-file=" + QFile::encodeName(credentials)};
  std::vector<char*> argv;
  for (QByteArray& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  QElapsedTimer timer;
  timer.start();
  std::vector<pid_t> children;
  for (int i = 0; i < kLines; ++i) {
    pid_t pid = 0;
    if (posix_spawnp(&pid, "net", &quiet, nullptr, argv.data(), environ) == 0) {
      children.push_back(pid);
    }
  }
  const bool arrived = waitForRecords(server, before + kLines);
  const double ms = msSince(timer);
  for (pid_t pid : children) waitpid(pid, nullptr, 0);
  posix_spawn_file_actions_destroy(&quiet);
  return arrived ? ms : -1;
}

double okToLogindMs(MainBar& bar, const PrivateBus& bus) {
  const qsizetype before = bus.logindCalls().size();
  bar.setActionLabel(QStringLiteral("SHUTDOWN PC"));
  QElapsedTimer timer;
  QTimer::singleShot(0, [&] {
    QWidget* window = QApplication::activeModalWidget();
    timer.start();
    window->findChild<QPushButton*>(QStringLiteral("OK_BUTTON"))->click();
  });
  openWindow<ConfirmActionWindow>(&bar, bar, bar.services().store, bar.services().launcher);
  while (bus.logindCalls().size() <= before) {
    if (timer.elapsed() > 20000) return -1;
    QThread::msleep(1);
  }
  return msSince(timer);
}

void seedRows(RecordingStore& store) {
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    store.preset(settingKey(Setting::RowBatchRun, n).name, QStringLiteral("1"));
    store.preset(settingKey(Setting::RowPcName, n).name,
                 n % 2 ? QStringLiteral("localhost") : QStringLiteral("127.0.0.1"));
    store.preset(settingKey(Setting::RowShutdown, n).name, QStringLiteral("1"));
    store.preset(settingKey(Setting::RowRestart, n).name, QStringLiteral("1"));
  }
  store.preset(settingKey(Setting::ShutdownTimeout).name, QStringLiteral("30"));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (geteuid() != 0) {
    std::fprintf(stderr, "bench_shutdown_layer: skipped, smbd needs root\n");
    return 0;
  }
  if (!enterPrivateNetwork() && loopbackPort445InUse()) {
    std::fprintf(stderr, "bench_shutdown_layer: skipped, 127.0.0.1:445 is taken\n");
    return 0;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  qputenv("KRB5CCNAME", QFile::encodeName("FILE:" + home.filePath("no-ticket")));
  qunsetenv("OL_HALTDECK_SHUTDOWN_PROGRAM");
  QApplication app(argc, argv);

  PrivateBus bus;
  if (!bus.isRunning() || !bus.startLogind() || !bus.startNotifications() ||
      systemBusIsTheMachines()) {
    std::fprintf(stderr, "bench_shutdown_layer: the private bus did not start\n");
    return 1;
  }
  SambaServer server;
  if (!server.problem().isEmpty()) {
    std::fprintf(stderr, "bench_shutdown_layer: %s\n", qPrintable(server.problem()));
    return 1;
  }
  QDir(home.path()).mkpath(QStringLiteral("OL_HALTDECK"));
  const QString credentials = server.writeCredentials(home.filePath(QStringLiteral("OL_HALTDECK")));

  RecordingStore store;
  seedRows(store);
  const auto launcher = createPlatformLauncher(QStringLiteral(HALTDECK_SHUTDOWN_LAYER));
  FakeWindowManager windowManager;
  MainBar bar(AppServices{store, *launcher, windowManager});

  std::vector<double> batch, loop, local;
  for (int round = 0; round < kRounds; ++round) {
    batch.push_back(batchRunMs(store, *launcher, server));
    loop.push_back(netLoopMs(server, credentials));
    local.push_back(okToLogindMs(bar, bus));
  }
  if (std::count(batch.begin(), batch.end(), -1) || std::count(loop.begin(), loop.end(), -1) ||
      std::count(local.begin(), local.end(), -1)) {
    std::fprintf(stderr, "bench_shutdown_layer: a round did not complete\n");
    return 1;
  }
  print("batch_run_60_to_smbd", median(batch), "ms");
  print("net_loop_60_to_smbd", median(loop), "ms");
  print("batch_run_to_net_loop_ratio", median(batch) / median(loop), "x");
  print("local_ok_to_logind_call", median(local), "ms");
  return 0;
}
