#pragma once

#include <QList>
#include <QStringList>
#include <functional>

#include "settings/key_catalogue.h"

class QWidget;
class SettingsStore;
class CommandLauncher;

inline constexpr WindowId kSevenWindows[] = {
    WindowId::Main,      WindowId::About,      WindowId::RunOptions,  WindowId::ConfirmAction,
    WindowId::Autotimer, WindowId::SguiSimple, WindowId::SguiAdvanced};

const char* windowLabel(WindowId id);

// Every key the window reads while it loads, in the order it reads them.
QList<SettingKey> keysReadBy(WindowId id);
// The keys the window may write when its save button (if it has one) is pressed and it
// is closed.
QStringList keysWrittenBy(WindowId id);

// What one opening of a window showed and wrote.
struct WindowRun {
  QStringList shown;     // the window's controls and geometry, then the bar's live state
  QStringList readKeys;  // in order
  QStringList writes;    // "KEY=text", in order
};

// Opens the window over store, the way the program does (the bar, made from the same
// store, owns it), records what it shows, runs inside (if given) while it is open, then
// presses its save button (Save, Save & Close, or the Cancel or Close button of a window
// without one) and closes it.
WindowRun runWindow(WindowId id, SettingsStore& store, CommandLauncher& launcher,
                    const std::function<void(QWidget*)>& inside = {});

// The state of a window as a person and the rest of the program see it: geometry, and
// for every control its name, text or tick state, and whether it is enabled. Long texts
// appear as their length and a hash.
QStringList snapshot(const QWidget& window);
