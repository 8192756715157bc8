#pragma once

#include <array>

#include "app/secondary_window.h"
#include "settings_window/run_now_choice.h"

class MainBar;
class QCheckBox;
class QLabel;

// The settings and about window. Its check boxes act on the bar the moment they change
// (the run-now mirrors, the Always On Top mirror and timer); only Save & Close stores them.
// Enter presses Save & Close (its default button); Esc and the close box close without
// storing, as the close box alone would.
class AboutWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  AboutWindow(MainBar& bar, QWidget* owner);

  // The product's fixed credits.
  static QString creditLine();
  static QString contactAddress();
  static QString iconSetAddress();

 protected:
  void load() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildTitles();
  void buildCredits();
  void buildChoices();
  void buildSaveButton();
  void chainTabOrder();

  QCheckBox* box(RunNowChoice choice) const { return runNowBoxes_[size_t(choice)]; }
  bool isTicked(RunNowChoice choice) const;
  // Reads the key and sets the box from it at once; returns the stored state.
  int assignStoredState(QCheckBox* box, Setting setting);

  // The rules; each runs on every change of its box's state, whoever made it.
  void applyRunNowRule(RunNowChoice choice);
  void applyAlwaysOnTopRule();
  void lockOut();
  void makeBarMirrorRunNowBoxes();

  void saveAndClose();

  MainBar& bar_;
  QLabel* creator_ = nullptr;
  std::array<QCheckBox*, kRunNowChoiceCount> runNowBoxes_{};
  QCheckBox* alwaysOnTop_ = nullptr;
  QPushButton* saveAndClose_ = nullptr;
};
