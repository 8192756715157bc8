// A helper program for the crash and two-instance tests. It opens a remote window over
// the real INI store ($XDG_CONFIG_HOME/OL_HALTDECK/<section>.ini) and presses its Save in
// a loop, filling the window with a new set of values before each press:
//   haltdeck-save-loop crash <section>
//     the advanced window alone: once it is open, waits for a line on its standard input
//     (and ends at its end), then saves alternating two sets until it is killed (or 60 s
//     pass); prints "saving" once, then for each Save "s" as it presses it, "w" as its
//     writes go to the file, and "." once it is done.
//   haltdeck-save-loop instance <section> advanced|simple <stop-file>
//     a whole run: the bar, then the window over it, saving until the stop file exists;
//     prints "saving" once its first Save is done; at the end closes the window and the
//     bar and prints "last <iteration>".
// It never launches anything: its launcher only counts.
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/main_bar.h"
#include "fake_window_manager.h"
#include "platform/command_launcher.h"
#include "platform/platform_settings.h"
#include "remote/sgui_advanced.h"
#include "remote/sgui_simple.h"
#include "save_loop_values.h"
#include "settings/qsettings_store.h"
#include "settings/settings_location.h"

namespace {

class NoLauncher : public CommandLauncher {
 public:
  void launch(const QString&, WindowStyle) override { std::abort(); }
};

void say(const char* text) {
  std::fputs(text, stdout);
  std::fflush(stdout);
}

// Says "w" as a Save's writes start on their way to the file.
class AnnouncingStore : public SettingsStore {
 public:
  explicit AnnouncingStore(SettingsStore& inner) : inner_(inner) {}
  QString read(const QString& key, const QString& defaultText) override {
    return inner_.read(key, defaultText);
  }
  void write(const QString& key, const QString& text) override { inner_.write(key, text); }
  void beginWriteBatch() override {
    ++depth_;
    inner_.beginWriteBatch();
  }
  void endWriteBatch() override {
    if (--depth_ == 0) say("w");
    inner_.endWriteBatch();
  }

 private:
  SettingsStore& inner_;
  int depth_ = 0;
};

template <typename T>
T* child(QWidget* window, const QString& name) {
  T* control = window->findChild<T*>(name);
  if (!control) qFatal("no control %s", qPrintable(name));
  return control;
}

void setTick(QWidget* window, const SettingKey& key, int value) {
  child<QCheckBox>(window, key.name)->setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
}

void fillAdvanced(QWidget* window, const SaveValues& values) {
  window->move(values.pixels);
  child<QLineEdit>(window, settingKey(Setting::ShutdownTimeout).name)->setText(values.timeout);
  for (int row = 1; row <= kSaveLoopRows; ++row) {
    const RowValues& r = values.rows[row - 1];
    child<QLineEdit>(window, settingKey(Setting::RowPcName, row).name)->setText(r.name);
    setTick(window, settingKey(Setting::RowBatchRun, row), r.batchRun);
    setTick(window, settingKey(Setting::RowShutdown, row), r.shutdown);
    setTick(window, settingKey(Setting::RowRestart, row), r.restart);
    setTick(window, settingKey(Setting::RowForce, row), r.force);
  }
}

void fillSimple(QWidget* window, const SaveValues& values) {
  window->move(values.pixels);
  const RowValues& r = values.rows[0];
  child<QLineEdit>(window, settingKey(Setting::ShutdownTimeout).name)->setText(values.timeout);
  child<QLineEdit>(window, settingKey(Setting::SimplePcName).name)->setText(r.name);
  setTick(window, settingKey(Setting::SimpleShutdown), r.shutdown);
  setTick(window, settingKey(Setting::SimpleRestart), r.restart);
  setTick(window, settingKey(Setting::SimpleForce), r.force);
}

// Runs body once the modal window that the caller opens next is shown.
void whenModalShown(std::function<void(QWidget*)> body) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, body = std::move(body)] {
    QWidget* window = QApplication::activeModalWidget();
    if (!window || !window->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    body(window);
  });
  poll->start(1);
}

void save(QWidget* window) {
  child<QPushButton>(window, QStringLiteral("SAVE_BUTTON"))->click();
}

int crash(SettingsStore& realStore, CommandLauncher& launcher) {
  AnnouncingStore store(realStore);
  whenModalShown([](QWidget* window) {
    // Started ahead of time, it waits here until the test lets it go.
    for (int c = std::getchar(); c != '\n'; c = std::getchar()) {
      if (c == EOF) std::exit(0);
    }
    say("saving\n");
    const QDeadlineTimer giveUp(60000);  // should the test that kills it be gone
    for (int iteration = 0; !giveUp.hasExpired(); ++iteration) {
      fillAdvanced(window, crashSet(iteration));
      say("s");
      save(window);
      say(".");
    }
    std::exit(3);
  });
  openWindow<SguiAdvanced>(nullptr, store, launcher);
  return 3;
}

int instance(SettingsStore& store, CommandLauncher& launcher, bool advanced, const QString& stop) {
  FakeWindowManager windowManager;
  MainBar bar({store, launcher, windowManager});
  const QString tag = advanced ? QStringLiteral("A") : QStringLiteral("B");
  bar.show();
  bar.move(advanced ? QPoint(10, 20) : QPoint(30, 40));
  bar.setMirror(Setting::AlwaysOnTop, advanced ? 0 : 1);
  int last = -1;
  whenModalShown([&](QWidget* window) {
    const QDeadlineTimer giveUp(60000);
    for (int iteration = 0; !QFile::exists(stop) && !giveUp.hasExpired(); ++iteration) {
      const SaveValues values = saveValues(tag, iteration);
      advanced ? fillAdvanced(window, values) : fillSimple(window, values);
      save(window);
      if (iteration == 0) say("saving\n");
      last = iteration;
      // A pause as between two clicks, some milliseconds: QSettings waits for the other
      // run's lock with a growing back-off (up to seconds), so two runs that never pause
      // would mostly wait for each other.
      QThread::msleep(10 + iteration % 10);
    }
    window->close();
  });
  if (advanced) {
    openWindow<SguiAdvanced>(&bar, store, launcher);
  } else {
    openWindow<SguiSimple>(&bar, store, launcher);
  }
  bar.close();
  std::printf("last %d\n", last);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text.startsWith(QLatin1String("This plugin does not support"))) return;
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
      });
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3) return 2;
  QSettingsStore store(openPlatformSettings(kSettingsApplication, args[2]));
  NoLauncher launcher;
  if (args[1] == QLatin1String("crash")) return crash(store, launcher);
  if (args[1] == QLatin1String("instance") && args.size() == 5) {
    return instance(store, launcher, args[3] == QLatin1String("advanced"), args[4]);
  }
  return 2;
}
