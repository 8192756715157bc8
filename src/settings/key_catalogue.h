#pragma once

#include <QList>
#include <QString>

// The value form of a settings key.
enum class ValueForm { PlacementNumber, TickState, FreeText };

struct SettingKey {
  QString name;
  ValueForm form;
  QString defaultText;
};

// The seven windows that remember where they were.
enum class WindowId { Main, About, RunOptions, ConfirmAction, Autotimer, SguiSimple, SguiAdvanced };

struct PlacementSpec {
  WindowId window;
  const char* prefix;  // placement keys are prefix + "_Left", "_Top", "_Width", "_Height"
  int defaultWidth;    // outer size in twips
  int defaultHeight;
  int frameWidth;  // designed outer size minus designed client area, in twips
  int frameHeight;
};

enum class PlacementEdge { Left, Top, Width, Height };

// Every stored setting that is not a placement. Row settings exist once per row 1..30 of
// the advanced remote window.
enum class Setting {
  AlwaysOnTop,
  RunNowShutdown,
  RunNowRestart,
  RunNowHibernate,
  RunNowLogoff,
  RunNowAlwaysAsk,
  ShutdownTimeout,
  SimplePcName,
  SimpleShutdown,
  SimpleRestart,
  SimpleForce,
  RowBatchRun,
  RowPcName,
  RowShutdown,
  RowRestart,
  RowForce,
};

inline constexpr int kRemoteRowCount = 30;

// The settings the bar mirrors for the run, in the order it loads them: each mirror holds
// the live tick state of the key of the same name.
inline constexpr Setting kMirroredSettings[] = {Setting::AlwaysOnTop,   Setting::RunNowShutdown,
                                                Setting::RunNowRestart, Setting::RunNowHibernate,
                                                Setting::RunNowLogoff,  Setting::RunNowAlwaysAsk};

// The five run-now choices, in the order every run-now test is made: the four actions in
// catalogue order, then Always Ask. Each is its settings key and the bar's mirror of it.
inline constexpr Setting kRunNowSettings[] = {Setting::RunNowShutdown, Setting::RunNowRestart,
                                              Setting::RunNowHibernate, Setting::RunNowLogoff,
                                              Setting::RunNowAlwaysAsk};

const PlacementSpec& placementSpec(WindowId window);
SettingKey placementKey(WindowId window, PlacementEdge edge);
// row is 1..30 for the Row settings and ignored for the others.
SettingKey settingKey(Setting setting, int row = 0);

// All keys the program uses: 28 placement keys, 11 single keys and 5 x 30 row keys.
QList<SettingKey> keyCatalogue();
