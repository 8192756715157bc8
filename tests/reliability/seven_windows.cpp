#include "seven_windows.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <memory>
#include "qt_printers.h"

#include "actions/autotimer_window.h"
#include "actions/confirm_action_window.h"
#include "actions/run_option_window.h"
#include "app/main_bar.h"
#include "fake_window_manager.h"
#include "modal_script.h"
#include "remote/sgui_advanced.h"
#include "remote/sgui_simple.h"
#include "settings/settings_store.h"
#include "settings_window/about_window.h"
#include "window_driver.h"

namespace {

QList<SettingKey> placementKeys(WindowId id) {
  QList<SettingKey> keys;
  for (PlacementEdge edge :
       {PlacementEdge::Left, PlacementEdge::Top, PlacementEdge::Width, PlacementEdge::Height}) {
    keys.append(placementKey(id, edge));
  }
  return keys;
}

QList<SettingKey> settingKeys(std::initializer_list<Setting> settings) {
  QList<SettingKey> keys;
  for (Setting setting : settings) keys.append(settingKey(setting));
  return keys;
}

QList<SettingKey> rowKeys(Setting setting) {
  QList<SettingKey> keys;
  for (int row = 1; row <= kRemoteRowCount; ++row) keys.append(settingKey(setting, row));
  return keys;
}

const std::initializer_list<Setting> kBarSettings = {
    Setting::AlwaysOnTop,     Setting::RunNowShutdown, Setting::RunNowRestart,
    Setting::RunNowHibernate, Setting::RunNowLogoff,   Setting::RunNowAlwaysAsk};

// Passes reads and writes on to the store under test and records them.
class RecordingPassThrough : public SettingsStore {
 public:
  explicit RecordingPassThrough(SettingsStore& inner) : inner_(inner) {}
  QString read(const QString& key, const QString& defaultText) override {
    readKeys.append(key);
    return inner_.read(key, defaultText);
  }
  void write(const QString& key, const QString& text) override {
    writes.append(key + u'=' + text);
    inner_.write(key, text);
  }
  void beginWriteBatch() override { inner_.beginWriteBatch(); }
  void endWriteBatch() override { inner_.endWriteBatch(); }

  QStringList readKeys;
  QStringList writes;

 private:
  SettingsStore& inner_;
};

QString shownText(const QString& text) {
  if (text.size() <= 120) return text;
  return QStringLiteral("<%1 characters, hash %2>").arg(text.size()).arg(qHash(text));
}

QStringList barState(const MainBar& bar) {
  QStringList state;
  for (Setting mirror : kMirroredSettings) {
    state.append(QStringLiteral("mirror %1=%2").arg(int(mirror)).arg(bar.mirror(mirror)));
  }
  state.append(QStringLiteral("always-on-top timer %1").arg(bar.isAlwaysOnTopTimerEnabled()));
  return state;
}

// What each window's own save button is, or the button that closes it.
void saveAndClose(WindowId id, QWidget* window) {
  switch (id) {
    case WindowId::Main:
      break;
    case WindowId::About:
      click(window, "SAVE_AND_CLOSE_BUTTON");
      break;
    case WindowId::RunOptions:
    case WindowId::ConfirmAction:
      click(window, "CANCEL_BUTTON");
      break;
    case WindowId::Autotimer:
      click(window, "CLOSE_BUTTON");
      break;
    case WindowId::SguiSimple:
      click(window, "SAVE_BUTTON");
      click(window, "CLOSE_BUTTON");
      break;
    case WindowId::SguiAdvanced:
      click(window, "SAVE_BUTTON");
      break;
  }
  if (window->isVisible()) window->close();
}

void openOverBar(WindowId id, MainBar& bar) {
  SettingsStore& store = bar.services().store;
  CommandLauncher& launcher = bar.services().launcher;
  switch (id) {
    case WindowId::Main:
      break;
    case WindowId::About:
      openWindow<AboutWindow>(&bar, bar, store);
      break;
    case WindowId::RunOptions:
      openWindow<RunOptionWindow>(&bar, bar, store, launcher);
      break;
    case WindowId::ConfirmAction:
      openWindow<ConfirmActionWindow>(&bar, bar, store, launcher);
      break;
    case WindowId::Autotimer:
      openWindow<AutotimerWindow>(&bar, store, launcher);
      break;
    case WindowId::SguiSimple:
      openWindow<SguiSimple>(&bar, store, launcher);
      break;
    case WindowId::SguiAdvanced:
      openWindow<SguiAdvanced>(&bar, store, launcher);
      break;
  }
}

}  // namespace

const char* windowLabel(WindowId id) {
  return windowObjectName(id);
}

QList<SettingKey> keysReadBy(WindowId id) {
  QList<SettingKey> keys = placementKeys(id);
  switch (id) {
    case WindowId::Main:
    case WindowId::About:
      keys += settingKeys(kBarSettings);
      break;
    case WindowId::SguiSimple:
      keys += settingKeys({Setting::SimplePcName, Setting::ShutdownTimeout, Setting::SimpleShutdown,
                           Setting::SimpleRestart, Setting::SimpleForce});
      break;
    case WindowId::SguiAdvanced:
      keys += settingKeys({Setting::ShutdownTimeout});
      for (Setting setting : {Setting::RowBatchRun, Setting::RowPcName, Setting::RowShutdown,
                              Setting::RowRestart, Setting::RowForce}) {
        keys += rowKeys(setting);
      }
      break;
    default:
      break;
  }
  return keys;
}

QStringList keysWrittenBy(WindowId id) {
  QStringList keys{placementKey(id, PlacementEdge::Left).name,
                   placementKey(id, PlacementEdge::Top).name};
  if (id == WindowId::Main) keys.append(settingKey(Setting::AlwaysOnTop).name);
  if (id == WindowId::About || id == WindowId::SguiSimple || id == WindowId::SguiAdvanced) {
    for (const SettingKey& key : keysReadBy(id).mid(4)) keys.append(key.name);
  }
  return keys;
}

QStringList snapshot(const QWidget& window) {
  QStringList shown{QStringLiteral("%1 at %2,%3 size %4x%5")
                        .arg(window.objectName())
                        .arg(window.x())
                        .arg(window.y())
                        .arg(window.width())
                        .arg(window.height())};
  for (const QWidget* child : window.findChildren<QWidget*>()) {
    QString state;
    if (const auto* box = qobject_cast<const QLineEdit*>(child)) {
      state = shownText(box->text());
    } else if (const auto* tick = qobject_cast<const QCheckBox*>(child)) {
      state = QString::number(int(tick->checkState()));
    } else if (const auto* label = qobject_cast<const QLabel*>(child)) {
      state = shownText(label->text());
    } else if (const auto* text = qobject_cast<const QTextEdit*>(child)) {
      state = shownText(text->toPlainText());
    } else if (!qobject_cast<const QAbstractButton*>(child)) {
      continue;
    }
    shown.append(QStringLiteral("%1 [%2] %3")
                     .arg(child->objectName(), child->isEnabled() ? "on" : "off", state));
  }
  return shown;
}

WindowRun runWindow(WindowId id, SettingsStore& store, CommandLauncher& launcher,
                    const std::function<void(QWidget*)>& inside) {
  RecordingPassThrough recorder(store);
  FakeWindowManager windowManager;
  WindowRun run;
  auto bar = std::make_unique<MainBar>(AppServices{recorder, launcher, windowManager});
  if (id == WindowId::Main) {
    bar->show();
    run.shown = snapshot(*bar);
    if (inside) inside(bar.get());
    bar->close();
  } else {
    bar->show();
    recorder.readKeys.clear();
    ModalScript script;
    script.then(windowName(id), [&](QWidget* window) {
      run.shown = snapshot(*window);
      if (inside) inside(window);
      saveAndClose(id, window);
    });
    script.start();
    openOverBar(id, *bar);
    EXPECT_TRUE(script.finished()) << windowLabel(id) << " did not open";
  }
  run.shown += barState(*bar);
  run.readKeys = recorder.readKeys;
  run.writes = recorder.writes;
  return run;
}
