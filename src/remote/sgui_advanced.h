#pragma once

#include "remote/grid_row.h"
#include "widgets/secondary_window.h"

class CommandLauncher;
class QCheckBox;
class QLineEdit;
class QPushButton;

// SGUI_ADVANCED: thirty remote computers in two columns of fifteen rows, one shared
// timeout, Save, and the batch controls: BATCH RUN (gated by Enable Batch Run) and
// ABORT ALL. The grid is restored at every opening and stored only by Save.
class SguiAdvanced : public SecondaryWindow {
  Q_OBJECT

 public:
  SguiAdvanced(SettingsStore& store, CommandLauncher& launcher, QWidget* owner);

 protected:
  void load() override;

 private:
  void buildHeader();
  void buildGrid();
  void buildFooter();
  void orderTabs();
  void save();
  void restoreTicks(Setting setting, QCheckBox* GridRow::*box);
  void saveTicks(Setting setting, QCheckBox* GridRow::*box);

  CommandLauncher& launcher_;
  QLineEdit* timeout_ = nullptr;
  GridRows rows_;
  QPushButton* batchRun_ = nullptr;
  QCheckBox* enableBatchRun_ = nullptr;
  QPushButton* abortAll_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* close_ = nullptr;
  QLineEdit* commandBox_ = nullptr;
};
