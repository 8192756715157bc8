#pragma once

class CommandLauncher;
class SettingsStore;
class WindowManager;

// What the bar and its windows need from the platform, injected so tests can record it.
struct AppServices {
  SettingsStore& store;
  CommandLauncher& launcher;
  WindowManager& windowManager;
};
