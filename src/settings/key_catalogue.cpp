#include "settings/key_catalogue.h"

#include <array>

#include "settings/enum_table.h"

namespace {

constexpr int kDialogFrameWidth = 90;
constexpr int kDialogFrameHeight = 375;

constexpr std::array<PlacementSpec, 7> kPlacements{{
    {WindowId::Main, "MAIN", 2500, 945, 90, 330},
    {WindowId::About, "ABOUT", 6720, 3660, kDialogFrameWidth, kDialogFrameHeight},
    {WindowId::RunOptions, "RUN_OPTIONS", 4545, 1950, kDialogFrameWidth, kDialogFrameHeight},
    {WindowId::ConfirmAction, "ACTION_WINDOW", 5160, 3315, kDialogFrameWidth, kDialogFrameHeight},
    {WindowId::Autotimer, "AUTOTIMER", 5985, 4290, kDialogFrameWidth, kDialogFrameHeight},
    {WindowId::SguiSimple, "SGUI_SIM", 6450, 3400, kDialogFrameWidth, kDialogFrameHeight},
    {WindowId::SguiAdvanced, "SGUI_ADV", 14595, 7500, kDialogFrameWidth, kDialogFrameHeight},
}};
static_assert(rowsFollowEnum(kPlacements, &PlacementSpec::window));

constexpr int kDefaultLeft = 1000;
constexpr int kDefaultTop = 1000;

struct SettingSpec {
  Setting setting;
  const char* name;  // "%1" stands for the row number
  ValueForm form;
  const char* defaultText;
};

constexpr std::array<SettingSpec, 16> kSettings{{
    {Setting::AlwaysOnTop, "AlwaysOnTop_TICKBOX", ValueForm::TickState, "1"},
    {Setting::RunNowShutdown, "SHUTDOWN_TICKBOX", ValueForm::TickState, "0"},
    {Setting::RunNowRestart, "RESTART_TICKBOX", ValueForm::TickState, "0"},
    {Setting::RunNowHibernate, "HIBERNATE_TICKBOX", ValueForm::TickState, "0"},
    {Setting::RunNowLogoff, "LOGOFF_TICKBOX", ValueForm::TickState, "0"},
    {Setting::RunNowAlwaysAsk, "ALWAYS_ASK_TICKBOX", ValueForm::TickState, "0"},
    {Setting::ShutdownTimeout, "SHUTDOWN_TIMEOUT_TEXTBOX", ValueForm::FreeText, "30"},
    {Setting::SimplePcName, "PC_NAME_SSS_TEXTBOX", ValueForm::FreeText, ""},
    {Setting::SimpleShutdown, "SHUTDOWN_SSS_TICKBOX", ValueForm::TickState, "0"},
    {Setting::SimpleRestart, "RESTART_SSS_TICKBOX", ValueForm::TickState, "0"},
    {Setting::SimpleForce, "FORCE_SSS_TICKBOX", ValueForm::TickState, "0"},
    {Setting::RowBatchRun, "BATCH_RUN_%1_TICKBOX", ValueForm::TickState, "0"},
    {Setting::RowPcName, "PC_NAME_%1_TEXTBOX", ValueForm::FreeText, ""},
    {Setting::RowShutdown, "SHUTDOWN_%1_TICKBOX", ValueForm::TickState, "0"},
    {Setting::RowRestart, "RESTART_%1_TICKBOX", ValueForm::TickState, "0"},
    {Setting::RowForce, "FORCE_%1_TICKBOX", ValueForm::TickState, "0"},
}};
static_assert(rowsFollowEnum(kSettings, &SettingSpec::setting));

constexpr std::array<const char*, 4> kEdgeSuffixes{"_Left", "_Top", "_Width", "_Height"};

bool isRowSetting(const SettingSpec& entry) {
  return QByteArray(entry.name).contains("%1");
}

}  // namespace

const PlacementSpec& placementSpec(WindowId window) {
  return kPlacements[size_t(window)];
}

SettingKey placementKey(WindowId window, PlacementEdge edge) {
  const PlacementSpec& entry = placementSpec(window);
  const std::array<int, 4> defaults{kDefaultLeft, kDefaultTop, entry.defaultWidth,
                                    entry.defaultHeight};
  return {QLatin1String(entry.prefix) + QLatin1String(kEdgeSuffixes[size_t(edge)]),
          ValueForm::PlacementNumber, QString::number(defaults[size_t(edge)])};
}

SettingKey settingKey(Setting setting, int row) {
  const SettingSpec& entry = kSettings[size_t(setting)];
  QString name = QLatin1String(entry.name);
  if (isRowSetting(entry)) name = name.arg(row);
  return {name, entry.form, QLatin1String(entry.defaultText)};
}

QList<SettingKey> keyCatalogue() {
  QList<SettingKey> keys;
  for (const PlacementSpec& entry : kPlacements) {
    for (auto edge :
         {PlacementEdge::Left, PlacementEdge::Top, PlacementEdge::Width, PlacementEdge::Height}) {
      keys.append(placementKey(entry.window, edge));
    }
  }
  for (const SettingSpec& entry : kSettings) {
    if (!isRowSetting(entry)) {
      keys.append(settingKey(entry.setting));
      continue;
    }
    for (int row = 1; row <= kRemoteRowCount; ++row) keys.append(settingKey(entry.setting, row));
  }
  return keys;
}
