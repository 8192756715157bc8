#include "actions/action_catalogue.h"

#include "actions/command_launcher.h"

const std::array<ActionEntry, 4>& actionCatalogue() {
  static const std::array<ActionEntry, 4> catalogue{{
      {"SHUTDOWN PC", "shutdown /s /t 0", Mirror::Shutdown, "SHUTDOWN_BUTTON", "Shutdown",
       "!!! SHUTTING DOWN !!!"},
      {"RESTART PC", "shutdown /g /f /t 0", Mirror::Restart, "RESTART_BUTTON", "Restart",
       "!!! RESTARTING !!!"},
      {"HIBERNATE PC", "shutdown /h", Mirror::Hibernate, "HIBERNATE_BUTTON", "Hibernate",
       "!!! HIBERNATING !!!"},
      {"LOGOFF CURRENT USER", "shutdown /l", Mirror::Logoff, "LOGOFF_BUTTON", "Logoff",
       "!!! LOGGING OFF USER !!!"},
  }};
  return catalogue;
}

const ActionEntry* findAction(const QString& label) {
  for (const ActionEntry& entry : actionCatalogue()) {
    if (label == QLatin1String(entry.label)) return &entry;
  }
  return nullptr;
}

bool runLocalAction(const QString& label, CommandLauncher& launcher) {
  const ActionEntry* entry = findAction(label);
  if (!entry) return false;
  launcher.launch(QString::fromLatin1(entry->commandLine), WindowStyle::Hidden);
  return true;
}
