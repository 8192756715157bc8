#pragma once

#include <array>

#include "widgets/secondary_window.h"

class CommandLauncher;
class PictureButton;
class QLabel;
class QLineEdit;
class QTimer;
struct ActionEntry;

// OL_HALTDECK_AUTOTIMER_WINDOW: pick a local action, type hours, minutes and seconds,
// press OK; once a second the clock box counts down, and when it shows zero the action's
// command line is launched hidden and the window closes. Cancel aborts, OK resumes from
// the shown time; Close, Esc and Enter (with no button focused) close without starting
// anything.
class AutotimerWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  // The window's four states: what each shows and enables is a table in the source.
  enum class State { Waiting, Selected, Running, Aborted };

  AutotimerWindow(SettingsStore& store, CommandLauncher& launcher, QWidget* owner);

  // What the status label shows when OK meets a text that is not a time.
  static QString rejectedTimeStatus();

 protected:
  void load() override;
  void done(int result) override;

 private:
  void buildTitles();
  void buildButtons();
  void buildTextBoxes();
  void chainTabOrder();

  void enter(State state);
  void select(const ActionEntry& action);
  void start();
  void abort();
  void tick();

  CommandLauncher& launcher_;
  QLabel* status_ = nullptr;
  std::array<PictureButton*, 4> actionButtons_{};
  PictureButton* closeButton_ = nullptr;
  QLineEdit* actionBox_ = nullptr;
  PictureButton* cancelButton_ = nullptr;
  QLineEdit* countdownBox_ = nullptr;
  PictureButton* okButton_ = nullptr;
  QTimer* counter_ = nullptr;  // AUTOTIMER_COUNTER
  double remaining_ = 0;       // days; only its time of day is shown
};
