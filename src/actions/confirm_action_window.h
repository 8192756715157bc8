#pragma once

#include "app/secondary_window.h"

class MainBar;
class QLineEdit;

// CONFIRM_ACTION_WINDOW: shows the bar's action label and runs that action on OK.
class ConfirmActionWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  ConfirmActionWindow(MainBar& bar, QWidget* owner);

 protected:
  // Copies the bar's label once; the window keeps its copy while it is open.
  void load() override;

 private:
  void buildControls();
  void confirm();

  MainBar& bar_;
  QLineEdit* actionLabel_ = nullptr;
};
