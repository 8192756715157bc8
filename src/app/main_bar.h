#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

#include "app/app_services.h"
#include "widgets/bar_state.h"

// The bar: six picture buttons, and the live state the windows of a run share (the
// action label, the six mirrors of the settings, the always-on-top timer).
class MainBar : public QWidget, public BarState {
  Q_OBJECT

 public:
  // Loads placement and mirrors from the store and starts the always-on-top timer when
  // the setting is on; the caller shows the bar.
  explicit MainBar(const AppServices& services);

  const AppServices& services() const { return services_; }

  // ACTION_TEXTBOX: the label the confirm-action window shows next.
  QString actionLabel() const override { return actionLabel_; }
  void setActionLabel(const QString& label) override { actionLabel_ = label; }

  // A mirror holds 0, 1 or 2; only 1 counts as ticked.
  int mirror(Setting setting) const override;
  void setMirror(Setting setting, int state) override;

  void setAlwaysOnTopTimerEnabled(bool enabled) override;
  bool isAlwaysOnTopTimerEnabled() const override { return alwaysOnTopTimer_.isActive(); }

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
  void openConfirmActionWindow();
  void openRunOptionWindow();
  void openAutotimerWindow();
  void openRemoteShutdownWindow();
  void launchShutdownDialog();

  AppServices services_;
  QString actionLabel_ = QStringLiteral("ACTION_TEXTBOX");
  // In the order of kMirroredSettings.
  std::array<int, std::size(kMirroredSettings)> mirrors_{1, 0, 0, 0, 0, 0};
  QTimer alwaysOnTopTimer_;
  bool unloaded_ = false;
};
