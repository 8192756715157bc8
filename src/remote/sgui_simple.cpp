#include "remote/sgui_simple.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/twips.h"
#include "remote/command_box.h"
#include "remote/sgui_advanced.h"
#include "remote/tick_box.h"
#include "remote/window_controls.h"
#include "settings/typed_settings.h"
#include "settings/window_placement.h"

SguiSimple::SguiSimple(SettingsStore& store, CommandLauncher& launcher, QWidget* owner)
    : SecondaryWindow(store, WindowId::SguiSimple, QStringLiteral("OL_HALTDECK_SGUI_SIMPLE"),
                      QStringLiteral("OL-HALTDECK - SHUTDOWN GUI - SIMPLE"), owner),
      launcher_(launcher) {
  setLayoutFont(this);
  buildTitles();
  buildRow();
  buildButtons();
  orderTabs();
  setCloseButton(close_);
}

void SguiSimple::buildTitles() {
  addTitle(this, QStringLiteral("OL_TITLE_1"), QStringLiteral("OAK-LANTERN"),
           {120, 120, 1575, 375});
  addTitle(this, QStringLiteral("OL_TITLE_2"), QStringLiteral("OL-HALTDECK"),
           {1800, 120, 1695, 375});
  addTitle(this, QStringLiteral("SGUI_SIMPLE_LABEL"), QStringLiteral("SHUTDOWN GUI - SIMPLE"),
           {3600, 120, 2655, 375});
  commandBox_ = makeCommandBox(this);
  placeInTwips(commandBox_, 120, 600, 6135, 375);
}

void SguiSimple::buildRow() {
  addLabel(this, QStringLiteral("PC_NAME_S_LABEL"), QStringLiteral("PC Name"),
           {120, 1320, 495, 375});
  row_.pcName =
      addTextBox(this, settingKey(Setting::SimplePcName).name, QString(), {840, 1320, 2655, 315});
  addLabel(this, QStringLiteral("SHUTDOWN_TIMEOUT_1_LABEL"),
           QStringLiteral("Shutdown Timeout (Seconds)"), {120, 1800, 2175, 255});
  row_.timeout = addTextBox(this, settingKey(Setting::ShutdownTimeout).name, QStringLiteral("30"),
                            {2400, 1800, 1095, 315});
  addLabel(this, QStringLiteral("SHUTDOWN_TIMEOUT_2_LABEL"),
           QStringLiteral("0-315360000 (10 years)"), {480, 2040, 1815, 255});
  row_.shutdown = addCheckBox(this, settingKey(Setting::SimpleShutdown).name,
                              QStringLiteral("Shutdown"), {360, 2400, 1095, 255});
  row_.restart = addCheckBox(this, settingKey(Setting::SimpleRestart).name,
                             QStringLiteral("Restart"), {1680, 2400, 855, 255});
  row_.force = addCheckBox(this, settingKey(Setting::SimpleForce).name, QStringLiteral("Force"),
                           {2760, 2400, 855, 255});
  // Code that restores a tick changes the state too, so the exclusion also runs at load.
  connect(row_.shutdown, &QCheckBox::stateChanged, this, &SguiSimple::applyExclusion);
  connect(row_.restart, &QCheckBox::stateChanged, this, &SguiSimple::applyExclusion);
}

void SguiSimple::buildButtons() {
  advanced_ = addButton(this, QStringLiteral("SGUI_ADVANCED_BUTTON"),
                        QStringLiteral("SGUI Advanced"), {3720, 1440, 1095, 615});
  run_ = addButton(this, QStringLiteral("RUN_SSS_BUTTON"), QStringLiteral("Run"),
                   {4920, 1320, 1215, 375});
  abort_ = addButton(this, QStringLiteral("ABORT_SSS_BUTTON"), QStringLiteral("Abort"),
                     {4920, 1800, 1215, 375});
  save_ = addButton(this, QStringLiteral("SAVE_BUTTON"), QStringLiteral("Save"),
                    {3720, 2280, 1095, 375});
  close_ = addButton(this, QStringLiteral("CLOSE_BUTTON"), QStringLiteral("Close"),
                     {4920, 2280, 1215, 375});
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
