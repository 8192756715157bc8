#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

#include "app/mirror.h"

class CommandLauncher;
class SettingsStore;
class WindowManager;

// What the windows need from the platform, injected so tests can record it.
struct AppServices {
  SettingsStore& store;
  CommandLauncher& launcher;
  WindowManager& windowManager;
};

// The bar: six picture buttons, and the live state the windows of a run share (the
// action label, the six mirrors of the settings, the always-on-top timer).
class MainBar : public QWidget {
  Q_OBJECT

 public:
  // Loads placement and mirrors from the store and starts the always-on-top timer when
  // the setting is on; the caller shows the bar.
  explicit MainBar(const AppServices& services);

  const AppServices& services() const { return services_; }

  // ACTION_TEXTBOX: the label the confirm-action window shows next.
  QString actionLabel() const { return actionLabel_; }
  void setActionLabel(const QString& label) { actionLabel_ = label; }

  // A mirror holds 0, 1 or 2; only 1 counts as ticked.
  int mirror(Mirror mirror) const { return mirrors_[size_t(mirror)]; }
  void setMirror(Mirror mirror, int state) { mirrors_[size_t(mirror)] = state; }

  // AlwaysOnTopTimer: enabling starts ticks one interval later.
  void setAlwaysOnTopTimerEnabled(bool enabled);
  bool isAlwaysOnTopTimerEnabled() const { return alwaysOnTopTimer_.isActive(); }

  // The text MS_SHUTDOWN_GUI_BUTTON launches.
  static QString shutdownDialogCommand() { return QStringLiteral("shutdown.exe /i"); }

 signals:
  // The bar has unloaded; the program ends.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildButtons();
  void load();
  void unload();
  void keepOnTop();
  void openSettingsWindow();
  void runNow();
  void openRunOptionWindow();
  void openAutotimerWindow();
  void openRemoteShutdownWindow();
  void launchShutdownDialog();

  AppServices services_;
  QString actionLabel_ = QStringLiteral("ACTION_TEXTBOX");
  std::array<int, std::size(kAllMirrors)> mirrors_{1, 0, 0, 0, 0, 0};
  QTimer alwaysOnTopTimer_;
  bool unloaded_ = false;
};
