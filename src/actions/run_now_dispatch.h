#pragma once

#include <QString>
#include <functional>

#include "settings/key_catalogue.h"

// What a run-now click works on: the bar's run-now mirrors and action label, and the two
// windows it may open. Each open returns once the window has closed.
struct RunNowHooks {
  std::function<int(Setting)> readMirror;
  std::function<void(const QString&)> setActionLabel;
  std::function<void()> openConfirmAction;
  std::function<void()> openRunOption;
};

// Tests the five run-now mirrors in order (the four actions in catalogue order, then
// Always Ask). Every test is made, each one after the window the one before it opened has
// closed; only a mirror holding exactly 1 counts as ticked. An action writes its label and
// opens the confirmation; Always Ask opens the select-option window and writes no label.
void dispatchRunNow(const RunNowHooks& hooks);
