#include "actions/action_catalogue.h"

#include "platform/command_launcher.h"

const std::array<ActionEntry, 4>& actionCatalogue() {
  static const std::array<ActionEntry, 4> catalogue{{
      {"SHUTDOWN PC", "shutdown /s /t 0", Setting::RunNowShutdown, "SHUTDOWN_BUTTON", "Shutdown",
       "!!! SHUTTING DOWN !!!", "action_shutdown"},
      {"RESTART PC", "shutdown /g /f /t 0", Setting::RunNowRestart, "RESTART_BUTTON", "Restart",
       "!!! RESTARTING !!!", "action_restart"},
      {"HIBERNATE PC", "shutdown /h", Setting::RunNowHibernate, "HIBERNATE_BUTTON", "Hibernate",
       "!!! HIBERNATING !!!", "action_hibernate"},
      {"LOGOFF CURRENT USER", "shutdown /l", Setting::RunNowLogoff, "LOGOFF_BUTTON", "Logoff",
       "!!! LOGGING OFF USER !!!", "action_logoff"},
  }};
  return catalogue;
}

const ActionEntry* findAction(const QString& label) {
  for (const ActionEntry& entry : actionCatalogue()) {
    if (label == QLatin1String(entry.label)) return &entry;
  }
  return nullptr;
}

const ActionEntry* actionForRunNow(Setting runNow) {
  for (const ActionEntry& entry : actionCatalogue()) {
    if (entry.runNow == runNow) return &entry;
  }
  return nullptr;
}

bool runLocalAction(const QString& label, CommandLauncher& launcher) {
  const ActionEntry* entry = findAction(label);
  if (!entry) return false;
  launcher.launch(QString::fromLatin1(entry->commandLine), WindowStyle::Hidden);
  return true;
}
