#include "app/main_bar.h"

#include <QCloseEvent>
#include <QPointer>

#include "actions/autotimer_window.h"
#include "actions/command_launcher.h"
#include "actions/confirm_action_window.h"
#include "actions/run_now_dispatch.h"
#include "actions/run_option_window.h"
#include "app/always_on_top.h"
#include "app/picture_button.h"
#include "app/twips.h"
#include "remote/sgui_simple.h"
#include "settings/typed_settings.h"
#include "settings/window_placement.h"
#include "settings_window/about_window.h"

namespace {

constexpr int kButtonSide = 375;    // twips
constexpr int kButtonPicture = 21;  // pixels
constexpr int kAlwaysOnTopIntervalMs = 1000;

struct BarButton {
  const char* name;
  const char* tooltip;
  int left;  // twips; 360 apart, so neighbours overlap by 15
  const char* picture;
  void (MainBar::*onClick)();
};

}  // namespace

MainBar::MainBar(const AppServices& services) : services_(services), alwaysOnTopTimer_(this) {
  setObjectName(QStringLiteral("OL_HALTDECK_MAIN"));
  setWindowTitle(QStringLiteral("OL-HALTDECK"));
  // Without the fixed-size hint a Windows tool window keeps its resizing border.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setAttribute(Qt::WA_QuitOnClose, false);  // the program ends through closed()
  alwaysOnTopTimer_.setObjectName(QStringLiteral("AlwaysOnTopTimer"));
  connect(&alwaysOnTopTimer_, &QTimer::timeout, this, &MainBar::keepOnTop);
  buildButtons();
  load();
}

void MainBar::buildButtons() {
  const BarButton buttons[] = {
      {"OL_BUTTON", "SETTINGS", 120, "app_icon", &MainBar::openSettingsWindow},
      {"RUN_NOW_BUTTON", "RUN NOW", 480, "run_now", &MainBar::runNow},
      {"POWER_BUTTON", "TASK", 840, "task", &MainBar::openRunOptionWindow},
      {"AUTOTIMER_BUTTON", "AUTOTIMER", 1200, "autotimer", &MainBar::openAutotimerWindow},
      {"OL_SHUTDOWN_GUI_BUTTON", "OL-SHUTDOWN-GUI", 1560, "ol_shutdown_gui",
       &MainBar::openRemoteShutdownWindow},
      {"MS_SHUTDOWN_GUI_BUTTON", "MS-SHUTDOWN-GUI", 1920, "ms_shutdown_gui",
       &MainBar::launchShutdownDialog},
  };
  for (const BarButton& entry : buttons) {  // created left to right: that is the tab order
    auto* button = new PictureButton(QLatin1String(entry.picture), QString(), kButtonPicture, this);
    button->setObjectName(QLatin1String(entry.name));
    button->setToolTip(QLatin1String(entry.tooltip));
    button->setAccessibleName(QLatin1String(entry.tooltip));
    placeInTwips(button, entry.left, 0, kButtonSide, kButtonSide);
    connect(button, &QPushButton::clicked, this, entry.onClick);
  }
}

void MainBar::load() {
  SettingsStore& store = services_.store;
  applyPlacement(*this, WindowId::Main, readPlacement(store, WindowId::Main));
  for (Mirror mirror : kAllMirrors) {
    setMirror(mirror, readTickState(store, settingKey(mirrorSetting(mirror))));
  }
  alwaysOnTopTimer_.setInterval(kAlwaysOnTopIntervalMs);
  setAlwaysOnTopTimerEnabled(this->mirror(Mirror::AlwaysOnTop) == 1);
}

void MainBar::setAlwaysOnTopTimerEnabled(bool enabled) {
  if (enabled) {
    alwaysOnTopTimer_.start();
  } else {
    alwaysOnTopTimer_.stop();
  }
}

void MainBar::keepOnTop() {
  alwaysOnTopStep(services_.windowManager, NativeWindow(winId()));
}

void MainBar::closeEvent(QCloseEvent* event) {
  unload();
  event->accept();
  emit closed();
}

void MainBar::unload() {
  if (unloaded_) return;
  unloaded_ = true;
  SettingsWriteBatch batch(services_.store);
  writeWindowPosition(services_.store, WindowId::Main, *this);
  writeTickState(services_.store, settingKey(Setting::AlwaysOnTop), mirror(Mirror::AlwaysOnTop));
}

void MainBar::launchShutdownDialog() {
  services_.launcher.launch(shutdownDialogCommand(), WindowStyle::NormalWithFocus);
}

void MainBar::openSettingsWindow() {
  openWindow<AboutWindow>(this, *this);
}

void MainBar::runNow() {
  // Each window runs a nested event loop; the bar is checked again after every one.
  const QPointer<MainBar> bar(this);
  dispatchRunNow({
      .readMirror = [bar](Mirror mirror) { return bar ? bar->mirror(mirror) : 0; },
      .setActionLabel =
          [bar](const QString& label) {
            if (bar) bar->setActionLabel(label);
          },
      .openConfirmAction =
          [bar] {
            if (bar) openWindow<ConfirmActionWindow>(bar.data(), *bar);
          },
      .openRunOption =
          [bar] {
            if (bar) openWindow<RunOptionWindow>(bar.data(), *bar);
          },
  });
}

void MainBar::openRunOptionWindow() {
  openWindow<RunOptionWindow>(this, *this);
}

void MainBar::openAutotimerWindow() {
  openWindow<AutotimerWindow>(this, services_.store, services_.launcher);
}

void MainBar::openRemoteShutdownWindow() {
  openWindow<SguiSimple>(this, services_.store, services_.launcher);
}
