#include "remote/sgui_advanced.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

#include "app/twips.h"
#include "remote/batch_operations.h"
#include "remote/command_box.h"
#include "remote/tick_box.h"
#include "remote/window_controls.h"
#include "settings/typed_settings.h"
#include "settings/window_placement.h"

namespace {

// Line1, the rule between the two columns of rows: x 7200, from y 600 to y 6240.
void addColumnRule(QWidget* window) {
  auto* rule = new QFrame(window);
  rule->setObjectName(QStringLiteral("Line1"));
  rule->setFrameShape(QFrame::VLine);
  rule->setFrameShadow(QFrame::Plain);
  rule->setGeometry(twipsToPixels(7200), twipsToPixels(600), 1, twipsToPixels(6240 - 600));
}

}  // namespace

SguiAdvanced::SguiAdvanced(SettingsStore& store, CommandLauncher& launcher, QWidget* owner)
    : SecondaryWindow(store, WindowId::SguiAdvanced, QStringLiteral("OL_HALTDECK_SGUI_ADVANCED"),
                      QStringLiteral("OL-HALTDECK - SHUTDOWN GUI - ADVANCED"), owner),
      launcher_(launcher) {
  setLayoutFont(this);
  buildHeader();
  buildGrid();
  buildFooter();
  orderTabs();
  setCloseButton(close_);
}

void SguiAdvanced::buildHeader() {
  addTitle(this, QStringLiteral("OL_TITLE_1"), QStringLiteral("OAK-LANTERN"),
           {120, 120, 2655, 375});
  addTitle(this, QStringLiteral("OL_TITLE_2"), QStringLiteral("OL-HALTDECK"),
           {2880, 120, 2055, 375});
  addLabel(this, QStringLiteral("SHUTDOWN_TIMEOUT_1_LABEL"),
           QStringLiteral("Shutdown Timeout (Seconds)"), {5040, 120, 2175, 255});
  addLabel(this, QStringLiteral("SHUTDOWN_TIMEOUT_2_LABEL"),
           QStringLiteral("0-315360000 (10 years)"), {5400, 360, 1815, 255});
  timeout_ = addTextBox(this, settingKey(Setting::ShutdownTimeout).name, QStringLiteral("30"),
                        {7320, 120, 1095, 315});
  addTitle(this, QStringLiteral("SGUI_ADVANCED_LABEL"), QStringLiteral("SHUTDOWN GUI - ADVANCED"),
           {8640, 120, 5655, 375});
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
  batchRun_ = addButton(this, QStringLiteral("BATCH_RUN_BUTTON"), QStringLiteral("BATCH RUN"),
                        {1200, 6360, 1695, 375});
  batchRun_->setEnabled(false);
  enableBatchRun_ = addCheckBox(this, QStringLiteral("ENABLE_BATCH_RUN_TICKBOX"),
                                QStringLiteral("Enable Batch Run"), {3120, 6360, 1095, 375});
  abortAll_ = addButton(this, QStringLiteral("ABORT_ALL_BUTTON"), QStringLiteral("ABORT ALL"),
                        {4440, 6360, 1215, 375});
  save_ = addButton(this, QStringLiteral("SAVE_BUTTON"), QStringLiteral("Save"),
                    {5880, 6360, 1215, 375});
  close_ = addButton(this, QStringLiteral("CLOSE_BUTTON"), QStringLiteral("Close"),
                     {7320, 6360, 1215, 375});
  commandBox_ = makeCommandBox(this);
  placeInTwips(commandBox_, 8760, 6360, 5535, 375);

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
