// Starts a 60-second countdown in the real countdown window, with its real timer on the
// offscreen platform, and prints how long after 60 s the launch came. The launcher only
// notes the time: nothing is started.

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "actions/autotimer_window.h"
#include "recording_launcher.h"
#include "recording_store.h"

namespace {

constexpr qint64 kCountdownNs = 60'000'000'000;

class TimingLauncher : public RecordingLauncher {
 public:
  explicit TimingLauncher(const QElapsedTimer& clock) : clock_(clock) {}
  void launch(const QString& commandLine, WindowStyle style) override {
    launchedAtNs = clock_.nsecsElapsed();
    RecordingLauncher::launch(commandLine, style);
  }
  qint64 launchedAtNs = -1;

 private:
  const QElapsedTimer& clock_;
};

template <typename T>
T* child(QWidget* window, const char* name) {
  return window->findChild<T*>(QLatin1String(name));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication app(argc, argv);

  RecordingStore store;
  QElapsedTimer clock;
  TimingLauncher launcher(clock);
  QTimer::singleShot(0, [&clock] {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) qFatal("the countdown window did not open");
    child<QPushButton>(window, "SHUTDOWN_BUTTON")->click();
    child<QLineEdit>(window, "CLOSE_REQUEST_COUNTDOWN_TEXTBOX")
        ->setText(QStringLiteral("00:01:00"));
    clock.start();
    child<QPushButton>(window, "OK_BUTTON")->click();
  });
  openWindow<AutotimerWindow>(nullptr, store, launcher);

  if (launcher.launchedAtNs < 0) {
    std::fprintf(stderr, "the countdown launched nothing\n");
    return 1;
  }
  const double lateMs = double(launcher.launchedAtNs - kCountdownNs) / 1e6;
  std::printf("countdown_60s_late: %.1f ms\n", lateMs);
  return 0;
}
