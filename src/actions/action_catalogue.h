#pragma once

#include <QString>
#include <array>

#include "settings/key_catalogue.h"

class CommandLauncher;

// One of the four local power actions, in the order every label test is made.
struct ActionEntry {
  const char* label;            // "SHUTDOWN PC", ...
  const char* commandLine;      // "shutdown /s /t 0", ...
  Setting runNow;               // its run-now choice: the settings key and the bar's mirror
  const char* buttonName;       // "SHUTDOWN_BUTTON", ... in the select-option and countdown windows
  const char* buttonCaption;    // "Shutdown", ...
  const char* countdownStatus;  // "!!! SHUTTING DOWN !!!", ...
  const char* picture;          // the picture of its buttons (widgets/pictures.h)
};

const std::array<ActionEntry, 4>& actionCatalogue();

// The entry whose label equals the text exactly (case-sensitive, no trimming), or null.
const ActionEntry* findAction(const QString& label);

// The entry a run-now choice stands for, or null for Always Ask.
const ActionEntry* actionForRunNow(Setting runNow);

// Launches the command line of the label's entry hidden. Returns false, launching
// nothing, when the label is not in the catalogue.
bool runLocalAction(const QString& label, CommandLauncher& launcher);
