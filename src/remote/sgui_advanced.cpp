#include "remote/sgui_advanced.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

#include "remote/batch_operations.h"
#include "remote/command_box.h"
#include "settings/typed_settings.h"
#include "widgets/fonts.h"
#include "widgets/layout_controls.h"
#include "widgets/tick_box.h"
#include "widgets/title_row.h"
#include "widgets/window_geometry.h"

namespace {

// The layout outside the grid, in twips of the client area (14505 x 7125).
constexpr ControlSpec kTitles[] = {
    {"OL_TITLE_1", "OAK-LANTERN", {120, 120, 2655, 375}},
    {"OL_TITLE_2", "OL-HALTDECK", {2880, 120, 2055, 375}},
    {"SGUI_ADVANCED_LABEL", "SHUTDOWN GUI - ADVANCED", {8640, 120, 5655, 375}},
};
constexpr ControlSpec kHints[] = {
    {"SHUTDOWN_TIMEOUT_1_LABEL", "Shutdown Timeout (Seconds)", {5040, 120, 2175, 255}},
    {"SHUTDOWN_TIMEOUT_2_LABEL", "0-315360000 (10 years)", {5400, 360, 1815, 255}},
};
constexpr TwipsRect kTimeoutRect{7320, 120, 1095, 315};
// Line1, the rule between the two columns of rows: x 7200, from y 600 to y 6240.
constexpr int kRuleX = 7200;
constexpr int kRuleTop = 600;
constexpr int kRuleBottom = 6240;
constexpr ControlSpec kBatchRunButton{"BATCH_RUN_BUTTON", "BATCH RUN", {1200, 6360, 1695, 375}};
constexpr ControlSpec kEnableBatchRun{
    "ENABLE_BATCH_RUN_TICKBOX", "Enable Batch Run", {3120, 6360, 1095, 375}};
constexpr ControlSpec kAbortAllButton{"ABORT_ALL_BUTTON", "ABORT ALL", {4440, 6360, 1215, 375}};
constexpr ControlSpec kSaveButton{"SAVE_BUTTON", "Save", {5880, 6360, 1215, 375}};
constexpr ControlSpec kCloseButton{"CLOSE_BUTTON", "Close", {7320, 6360, 1215, 375}};
constexpr TwipsRect kCommandBoxRect{8760, 6360, 5535, 375};

void addColumnRule(QWidget* window) {
  auto* rule = new QFrame(window);
  rule->setObjectName(QStringLiteral("Line1"));
  rule->setFrameShape(QFrame::VLine);
  rule->setFrameShadow(QFrame::Plain);
  rule->setGeometry(twipsToPixels(kRuleX), twipsToPixels(kRuleTop), 1,
                    twipsToPixels(kRuleBottom - kRuleTop));
}

}  // namespace

SguiAdvanced::SguiAdvanced(SettingsStore& store, CommandLauncher& launcher, QWidget* owner)
    : SecondaryWindow(store, WindowId::SguiAdvanced, owner), launcher_(launcher) {
  // The layouts were measured with this font; controls without a look of their own take it.
  setFont(arialFont(kBodyPoints, false));
  buildHeader();
  buildGrid();
  buildFooter();
  orderTabs();
  setCloseButton(close_);
}

void SguiAdvanced::buildHeader() {
  addTitleLabels(this, kTitles);
  for (const ControlSpec& hint : kHints) addHintLabel(this, hint);
  timeout_ = addTextBox(this, settingKey(Setting::ShutdownTimeout).name, QStringLiteral("30"),
                        kTimeoutRect);
  addColumnRule(this);
}

void SguiAdvanced::buildGrid() {
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    const GridRow& row = rows_[n - 1] = buildGridRow(this, n);
    connect(row.run, &QPushButton::clicked, this,
            [this, row] { runRow(remoteRow(row, timeout_), *commandBox_, launcher_); });
    connect(row.abort, &QPushButton::clicked, this,
            [this, row] { abortRow(remoteRow(row, timeout_), *commandBox_, launcher_); });
  }
}

void SguiAdvanced::buildFooter() {
  batchRun_ = addButton(this, kBatchRunButton);
  batchRun_->setEnabled(false);
  enableBatchRun_ = addCheckBox(this, kEnableBatchRun);
  abortAll_ = addButton(this, kAbortAllButton);
  save_ = addButton(this, kSaveButton);
  close_ = addButton(this, kCloseButton);
  commandBox_ = makeCommandBox(this);
  placeInTwips(commandBox_, kCommandBoxRect);

  connect(enableBatchRun_, &QCheckBox::stateChanged, this,
          [this] { batchRun_->setEnabled(tickValue(*enableBatchRun_) == 1); });
  connect(batchRun_, &QPushButton::clicked, this,
          [this] { batchRun(rows_, *timeout_, *commandBox_, launcher_); });
  connect(abortAll_, &QPushButton::clicked, this,
          [this] { abortAll(rows_, *commandBox_, launcher_); });
  connect(save_, &QPushButton::clicked, this, &SguiAdvanced::save);
  connect(close_, &QPushButton::clicked, this, &SguiAdvanced::close);
}

void SguiAdvanced::orderTabs() {
  QList<QWidget*> order{close_, timeout_};
  for (const GridRow& row : rows_) {
    order << row.batchRun << row.pcName << row.shutdown << row.restart << row.force << row.run
          << row.abort;
  }
  order << enableBatchRun_ << batchRun_ << abortAll_ << save_ << commandBox_;
  chainTabOrder(order);
}

void SguiAdvanced::load() {
  SettingsStore& settings = store();
  timeout_->setText(readFreeText(settings, settingKey(Setting::ShutdownTimeout)));
  restoreTicks(Setting::RowBatchRun, &GridRow::batchRun);
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    rows_[n - 1].pcName->setText(readFreeText(settings, settingKey(Setting::RowPcName, n)));
  }
  restoreTicks(Setting::RowShutdown, &GridRow::shutdown);
  restoreTicks(Setting::RowRestart, &GridRow::restart);
  restoreTicks(Setting::RowForce, &GridRow::force);
}

void SguiAdvanced::save() {
  SettingsStore& settings = store();
  SettingsWriteBatch batch(settings);
  writeWindowPosition(settings, WindowId::SguiAdvanced, *this);
  writeFreeText(settings, settingKey(Setting::ShutdownTimeout), timeout_->text());
  saveTicks(Setting::RowBatchRun, &GridRow::batchRun);
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    writeFreeText(settings, settingKey(Setting::RowPcName, n), rows_[n - 1].pcName->text());
  }
  saveTicks(Setting::RowShutdown, &GridRow::shutdown);
  saveTicks(Setting::RowRestart, &GridRow::restart);
  saveTicks(Setting::RowForce, &GridRow::force);
}

void SguiAdvanced::restoreTicks(Setting setting, QCheckBox* GridRow::*box) {
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    restoreTick(store(), settingKey(setting, n), *(rows_[n - 1].*box));
  }
}

void SguiAdvanced::saveTicks(Setting setting, QCheckBox* GridRow::*box) {
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    saveTick(store(), settingKey(setting, n), *(rows_[n - 1].*box));
  }
}
