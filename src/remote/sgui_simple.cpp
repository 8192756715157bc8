#include "remote/sgui_simple.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "remote/command_box.h"
#include "remote/sgui_advanced.h"
#include "settings/typed_settings.h"
#include "widgets/fonts.h"
#include "widgets/layout_controls.h"
#include "widgets/tick_box.h"
#include "widgets/title_row.h"
#include "widgets/window_geometry.h"

namespace {

// The layout, in twips of the client area (6360 x 3030). The row's controls are named
// after the settings keys they hold.
constexpr ControlSpec kTitles[] = {
    {"OL_TITLE_1", "OAK-LANTERN", {120, 120, 1575, 375}},
    {"OL_TITLE_2", "OL-HALTDECK", {1800, 120, 1695, 375}},
    {"SGUI_SIMPLE_LABEL", "SHUTDOWN GUI - SIMPLE", {3600, 120, 2655, 375}},
};
constexpr TwipsRect kCommandBoxRect{120, 600, 6135, 375};
constexpr ControlSpec kHints[] = {
    {"PC_NAME_S_LABEL", "PC Name", {120, 1320, 495, 375}},
    {"SHUTDOWN_TIMEOUT_1_LABEL", "Shutdown Timeout (Seconds)", {120, 1800, 2175, 255}},
    {"SHUTDOWN_TIMEOUT_2_LABEL", "0-315360000 (10 years)", {480, 2040, 1815, 255}},
};
constexpr TwipsRect kPcNameRect{840, 1320, 2655, 315};
constexpr TwipsRect kTimeoutRect{2400, 1800, 1095, 315};
constexpr TwipsRect kShutdownRect{360, 2400, 1095, 255};
constexpr TwipsRect kRestartRect{1680, 2400, 855, 255};
constexpr TwipsRect kForceRect{2760, 2400, 855, 255};
constexpr ControlSpec kAdvancedButton{
    "SGUI_ADVANCED_BUTTON", "SGUI Advanced", {3720, 1440, 1095, 615}};
constexpr ControlSpec kRunButton{"RUN_SSS_BUTTON", "Run", {4920, 1320, 1215, 375}};
constexpr ControlSpec kAbortButton{"ABORT_SSS_BUTTON", "Abort", {4920, 1800, 1215, 375}};
constexpr ControlSpec kSaveButton{"SAVE_BUTTON", "Save", {3720, 2280, 1095, 375}};
constexpr ControlSpec kCloseButton{"CLOSE_BUTTON", "Close", {4920, 2280, 1215, 375}};

QString keyName(Setting setting) {
  return settingKey(setting).name;
}

}  // namespace

SguiSimple::SguiSimple(SettingsStore& store, CommandLauncher& launcher, QWidget* owner)
    : SecondaryWindow(store, WindowId::SguiSimple, owner), launcher_(launcher) {
  // The layouts were measured with this font; controls without a look of their own take it.
  setFont(arialFont(kBodyPoints, false));
  buildTitles();
  buildRow();
  buildButtons();
  orderTabs();
  setCloseButton(close_);
}

void SguiSimple::buildTitles() {
  addTitleLabels(this, kTitles);
  commandBox_ = makeCommandBox(this);
  placeInTwips(commandBox_, kCommandBoxRect);
}

void SguiSimple::buildRow() {
  for (const ControlSpec& hint : kHints) addHintLabel(this, hint);
  row_.pcName = addTextBox(this, keyName(Setting::SimplePcName), QString(), kPcNameRect);
  row_.timeout =
      addTextBox(this, keyName(Setting::ShutdownTimeout), QStringLiteral("30"), kTimeoutRect);
  row_.shutdown = addCheckBox(this, keyName(Setting::SimpleShutdown), QStringLiteral("Shutdown"),
                              kShutdownRect);
  row_.restart =
      addCheckBox(this, keyName(Setting::SimpleRestart), QStringLiteral("Restart"), kRestartRect);
  row_.force =
      addCheckBox(this, keyName(Setting::SimpleForce), QStringLiteral("Force"), kForceRect);
  // Code that restores a tick changes the state too, so the exclusion also runs at load.
  connect(row_.shutdown, &QCheckBox::stateChanged, this, &SguiSimple::applyExclusion);
  connect(row_.restart, &QCheckBox::stateChanged, this, &SguiSimple::applyExclusion);
}

void SguiSimple::buildButtons() {
  advanced_ = addButton(this, kAdvancedButton);
  run_ = addButton(this, kRunButton);
  abort_ = addButton(this, kAbortButton);
  save_ = addButton(this, kSaveButton);
  close_ = addButton(this, kCloseButton);
  connect(advanced_, &QPushButton::clicked, this, &SguiSimple::openAdvanced);
  connect(run_, &QPushButton::clicked, this, [this] { runRow(row_, *commandBox_, launcher_); });
  connect(abort_, &QPushButton::clicked, this, [this] { abortRow(row_, *commandBox_, launcher_); });
  connect(save_, &QPushButton::clicked, this, &SguiSimple::save);
  connect(close_, &QPushButton::clicked, this, &SguiSimple::writePositionAndClose);
}

void SguiSimple::orderTabs() {
  chainTabOrder({close_, row_.pcName, row_.timeout, row_.shutdown, row_.restart, row_.force, save_,
                 advanced_, run_, abort_, commandBox_});
}

void SguiSimple::load() {
  SettingsStore& settings = store();
  row_.pcName->setText(readFreeText(settings, settingKey(Setting::SimplePcName)));
  row_.timeout->setText(readFreeText(settings, settingKey(Setting::ShutdownTimeout)));
  restoreTick(settings, settingKey(Setting::SimpleShutdown), *row_.shutdown);
  restoreTick(settings, settingKey(Setting::SimpleRestart), *row_.restart);
  restoreTick(settings, settingKey(Setting::SimpleForce), *row_.force);
}

void SguiSimple::applyExclusion() {
  // A ticked Shutdown greys out Restart and the other way round. Should both be ticked
  // (only a hand-edited store gets there) neither is greyed, so the user can clear one.
  const bool shutdown = tickValue(*row_.shutdown) == 1;
  const bool restart = tickValue(*row_.restart) == 1;
  row_.restart->setEnabled(!shutdown || restart);
  row_.shutdown->setEnabled(!restart || shutdown);
}

void SguiSimple::save() {
  SettingsStore& settings = store();
  SettingsWriteBatch batch(settings);
  writeWindowPosition(settings, WindowId::SguiSimple, *this);
  writeFreeText(settings, settingKey(Setting::SimplePcName), row_.pcName->text());
  writeFreeText(settings, settingKey(Setting::ShutdownTimeout), row_.timeout->text());
  saveTick(settings, settingKey(Setting::SimpleShutdown), *row_.shutdown);
  saveTick(settings, settingKey(Setting::SimpleRestart), *row_.restart);
  saveTick(settings, settingKey(Setting::SimpleForce), *row_.force);
}

void SguiSimple::openAdvanced() {
  openWindow<SguiAdvanced>(this, store(), launcher_);
}
