#pragma once

#include "widgets/secondary_window.h"

struct ActionEntry;
class BarState;
class CommandLauncher;

// RUN_OPTION_WINDOW: a row of picture buttons, one per local action, each leading to the
// confirm-action window.
class RunOptionWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  RunOptionWindow(BarState& bar, SettingsStore& store, CommandLauncher& launcher, QWidget* owner);

 private:
  void buildControls();
  // Writes the action's label into the bar, waits for its confirmation, then closes: one
  // pick leads to at most one confirmation.
  void pick(const ActionEntry& action);

  BarState& bar_;
  CommandLauncher& launcher_;
};
