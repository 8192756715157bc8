#pragma once

#include <array>

#include "settings/key_catalogue.h"
#include "widgets/secondary_window.h"

class BarState;
class QCheckBox;
class QLabel;

// The settings and about window. Its check boxes act on the bar the moment they change
// (the run-now mirrors, the Always On Top mirror and timer); only Save & Close stores them.
// Enter presses Save & Close (its default button); Esc and the close box close without
// storing, as the close box alone would.
class AboutWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  AboutWindow(BarState& bar, SettingsStore& store, QWidget* owner);

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

  // The check box of one of the five run-now choices (kRunNowSettings).
  QCheckBox* box(Setting runNow) const;
  bool isTicked(Setting runNow) const;
  // Reads the key and sets the box from it at once; returns the stored state.
  int assignStoredState(QCheckBox* box, Setting setting);

  // The rules; each runs on every change of its box's state, whoever made it.
  void applyRunNowRule(Setting runNow);
  void applyAlwaysOnTopRule();
  void lockOut();
  void makeBarMirrorRunNowBoxes();

  void saveAndClose();

  BarState& bar_;
  QLabel* creator_ = nullptr;
  std::array<QCheckBox*, std::size(kRunNowSettings)> runNowBoxes_{};
  QCheckBox* alwaysOnTop_ = nullptr;
  QPushButton* saveAndClose_ = nullptr;
};
