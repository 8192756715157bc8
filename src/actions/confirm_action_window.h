#pragma once

#include "widgets/secondary_window.h"

class BarState;
class CommandLauncher;
class QLineEdit;

// CONFIRM_ACTION_WINDOW: shows the bar's action label and runs that action on OK.
class ConfirmActionWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  ConfirmActionWindow(BarState& bar, SettingsStore& store, CommandLauncher& launcher,
                      QWidget* owner);

 protected:
  // Copies the bar's label once; the window keeps its copy while it is open.
  void load() override;

 private:
  void buildControls();
  void confirm();

  BarState& bar_;
  CommandLauncher& launcher_;
  QLineEdit* actionLabel_ = nullptr;
};
