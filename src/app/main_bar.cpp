#include "app/main_bar.h"

#include <QCloseEvent>
#include <QPointer>
#include <algorithm>

#include "actions/autotimer_window.h"
#include "actions/confirm_action_window.h"
#include "actions/run_now_dispatch.h"
#include "actions/run_option_window.h"
#include "app/always_on_top.h"
#include "platform/command_launcher.h"
#include "remote/sgui_simple.h"
#include "settings/typed_settings.h"
#include "settings_window/about_window.h"
#include "widgets/layout_controls.h"
#include "widgets/picture_button.h"
#include "widgets/window_geometry.h"
#include "widgets/window_names.h"

namespace {

constexpr int kButtonPicture = 21;  // pixels
constexpr int kAlwaysOnTopIntervalMs = 1000;

// The six buttons, left to right (that is the tab order): name, tooltip and rectangle in
// twips, 375 square and 360 apart, so that neighbours overlap by 15.
struct BarButton {
  ControlSpec control;
  const char* picture;
  void (MainBar::*onClick)();
};

// The place of a setting in kMirroredSettings; the count of them for one the bar does not
// mirror.
size_t mirrorIndex(Setting setting) {
  return size_t(std::find(std::begin(kMirroredSettings), std::end(kMirroredSettings), setting) -
                std::begin(kMirroredSettings));
}

}  // namespace

MainBar::MainBar(const AppServices& services) : services_(services), alwaysOnTopTimer_(this) {
  setObjectName(QLatin1String(windowObjectName(WindowId::Main)));
  setWindowTitle(QLatin1String(windowCaption(WindowId::Main)));
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
      {{"OL_BUTTON", "SETTINGS", {120, 0, 375, 375}}, "app_icon", &MainBar::openSettingsWindow},
      {{"RUN_NOW_BUTTON", "RUN NOW", {480, 0, 375, 375}}, "run_now", &MainBar::runNow},
      {{"POWER_BUTTON", "TASK", {840, 0, 375, 375}}, "task", &MainBar::openRunOptionWindow},
      {{"AUTOTIMER_BUTTON", "AUTOTIMER", {1200, 0, 375, 375}},
       "autotimer",
       &MainBar::openAutotimerWindow},
      {{"OL_SHUTDOWN_GUI_BUTTON", "OL-SHUTDOWN-GUI", {1560, 0, 375, 375}},
       "ol_shutdown_gui",
       &MainBar::openRemoteShutdownWindow},
      {{"MS_SHUTDOWN_GUI_BUTTON", "MS-SHUTDOWN-GUI", {1920, 0, 375, 375}},
       "ms_shutdown_gui",
       &MainBar::launchShutdownDialog},
  };
  for (const BarButton& entry : buttons) {
    // The table's text is the tooltip: the buttons show no caption.
    const ControlSpec uncaptioned{entry.control.name, "", entry.control.rect};
    PictureButton* button =
        addPictureButton(this, uncaptioned, QLatin1String(entry.picture), kButtonPicture);
    button->setToolTip(QLatin1String(entry.control.text));
    button->setAccessibleName(QLatin1String(entry.control.text));
    connect(button, &QPushButton::clicked, this, entry.onClick);
  }
}

int MainBar::mirror(Setting setting) const {
  const size_t index = mirrorIndex(setting);
  return index < mirrors_.size() ? mirrors_[index] : 0;
}

void MainBar::setMirror(Setting setting, int state) {
  const size_t index = mirrorIndex(setting);
  if (index < mirrors_.size()) mirrors_[index] = state;
}

void MainBar::load() {
  SettingsStore& store = services_.store;
  applyPlacement(*this, WindowId::Main, readPlacement(store, WindowId::Main));
  for (Setting setting : kMirroredSettings) {
    setMirror(setting, readTickState(store, settingKey(setting)));
  }
  alwaysOnTopTimer_.setInterval(kAlwaysOnTopIntervalMs);
  setAlwaysOnTopTimerEnabled(mirror(Setting::AlwaysOnTop) == 1);
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
  writeTickState(services_.store, settingKey(Setting::AlwaysOnTop), mirror(Setting::AlwaysOnTop));
}

void MainBar::launchShutdownDialog() {
  services_.launcher.launch(shutdownDialogCommand(), WindowStyle::NormalWithFocus);
}

void MainBar::openSettingsWindow() {
  openWindow<AboutWindow>(this, *this, services_.store);
}

void MainBar::runNow() {
  // Each window runs a nested event loop; the bar is checked again after every one.
  const QPointer<MainBar> bar(this);
  dispatchRunNow({
      .readMirror = [bar](Setting setting) { return bar ? bar->mirror(setting) : 0; },
      .setActionLabel =
          [bar](const QString& label) {
            if (bar) bar->setActionLabel(label);
          },
      .openConfirmAction =
          [bar] {
            if (bar) bar->openConfirmActionWindow();
          },
      .openRunOption =
          [bar] {
            if (bar) bar->openRunOptionWindow();
          },
  });
}

void MainBar::openConfirmActionWindow() {
  openWindow<ConfirmActionWindow>(this, *this, services_.store, services_.launcher);
}

void MainBar::openRunOptionWindow() {
  openWindow<RunOptionWindow>(this, *this, services_.store, services_.launcher);
}

void MainBar::openAutotimerWindow() {
  openWindow<AutotimerWindow>(this, services_.store, services_.launcher);
}

void MainBar::openRemoteShutdownWindow() {
  openWindow<SguiSimple>(this, services_.store, services_.launcher);
}
