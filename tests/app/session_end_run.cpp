// A helper program for the session-end tests: the real bar over the real INI store
// ($XDG_CONFIG_HOME/OL_HALTDECK/<section>.ini), ended the way the session's end ends it:
//   haltdeck-session-end-run <section> bar|about|remote
//     bar:    the bar alone, moved to 200, 300 pixels;
//     about:  the bar moved, then ABOUT over it moved to 400, 500, its Always On Top
//             cleared and not saved;
//     remote: the bar moved, SGUI_SIMPLE over it at 100, 110 and SGUI_ADVANCED over that
//             at 120, 130.
// It prints "ready" once the windows are open, then "KEY=text" for every store write as
// it is made, and exits with what the event loop returns. It never launches anything.
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/main_bar.h"
#include "app/session_close.h"
#include "fake_window_manager.h"
#include "platform/command_launcher.h"
#include "platform/platform_settings.h"
#include "platform/session_end.h"
#include "settings/qsettings_store.h"
#include "settings/settings_location.h"

namespace {

class NoLauncher : public CommandLauncher {
 public:
  void launch(const QString&, WindowStyle) override { std::abort(); }
};

void say(const QString& line) {
  std::fputs(qPrintable(line + u'\n'), stdout);
  std::fflush(stdout);
}

class PrintingStore : public SettingsStore {
 public:
  explicit PrintingStore(SettingsStore& inner) : inner_(inner) {}
  QString read(const QString& key, const QString& defaultText) override {
    return inner_.read(key, defaultText);
  }
  void write(const QString& key, const QString& text) override {
    inner_.write(key, text);
    say(key + u'=' + text);
  }
  void beginWriteBatch() override { inner_.beginWriteBatch(); }
  void endWriteBatch() override { inner_.endWriteBatch(); }

 private:
  SettingsStore& inner_;
};

template <typename T>
T* child(QWidget* window, const char* name) {
  T* control = window->findChild<T*>(QLatin1String(name));
  if (!control) qFatal("no control %s", name);
  return control;
}

// Runs body once a modal window named name is shown.
void whenShown(const QString& name, std::function<void(QWidget*)> body) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, name, body = std::move(body)] {
    QWidget* window = QApplication::activeModalWidget();
    if (!window || !window->isVisible() || window->objectName() != name) return;
    poll->stop();
    poll->deleteLater();
    body(window);
  });
  poll->start(1);
}

void openAbout(MainBar& bar) {
  whenShown(QStringLiteral("OL_HALTDECK_ABOUT"), [](QWidget* about) {
    about->move(400, 500);
    child<QCheckBox>(about, "AlwaysOnTop_TICKBOX")->click();
    say(QStringLiteral("ready"));
  });
  child<QPushButton>(&bar, "OL_BUTTON")->click();
}

void openRemoteWindows(MainBar& bar) {
  whenShown(QStringLiteral("OL_HALTDECK_SGUI_SIMPLE"), [](QWidget* simple) {
    simple->move(100, 110);
    whenShown(QStringLiteral("OL_HALTDECK_SGUI_ADVANCED"), [](QWidget* advanced) {
      advanced->move(120, 130);
      say(QStringLiteral("ready"));
    });
    child<QPushButton>(simple, "SGUI_ADVANCED_BUTTON")->click();
  });
  child<QPushButton>(&bar, "OL_SHUTDOWN_GUI_BUTTON")->click();
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
  if (args.size() != 3) return 2;
  QSettingsStore realStore(openPlatformSettings(kSettingsApplication, args[1]));
  PrintingStore store(realStore);
  NoLauncher launcher;
  FakeWindowManager windowManager;
  MainBar bar({store, launcher, windowManager});
  QObject::connect(&bar, &MainBar::closed, &app, &QCoreApplication::quit);
  const auto watch = closeAtSessionEnd(bar);
  bar.show();
  bar.move(200, 300);

  const QString scene = args[2];
  QTimer::singleShot(0, &bar, [&bar, scene] {
    if (scene == QLatin1String("about")) {
      openAbout(bar);
    } else if (scene == QLatin1String("remote")) {
      openRemoteWindows(bar);
    } else {
      say(QStringLiteral("ready"));
    }
  });
  return QApplication::exec();
}
