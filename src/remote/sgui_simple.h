#pragma once

#include "remote/remote_row_controls.h"
#include "widgets/secondary_window.h"

class CommandLauncher;
class QLineEdit;
class QPushButton;

// SGUI_SIMPLE: shut down, restart or spare one remote computer. Name, timeout and ticks
// are restored at every opening and stored only by Save; Shutdown and Restart grey each
// other out while ticked. Opens the thirty-row window SGUI_ADVANCED over itself.
class SguiSimple : public SecondaryWindow {
  Q_OBJECT

 public:
  SguiSimple(SettingsStore& store, CommandLauncher& launcher, QWidget* owner);

 protected:
  void load() override;

 private:
  void buildTitles();
  void buildRow();
  void buildButtons();
  void orderTabs();
  void applyExclusion();
  void save();
  void openAdvanced();

  CommandLauncher& launcher_;
  RemoteRowControls row_;
  QLineEdit* commandBox_ = nullptr;
  QPushButton* advanced_ = nullptr;
  QPushButton* run_ = nullptr;
  QPushButton* abort_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* close_ = nullptr;
};
