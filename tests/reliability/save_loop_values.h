#pragma once

#include <QMap>
#include <QPoint>
#include <QString>

#include "settings/key_catalogue.h"

// The values the save-loop helper puts into a window before each Save, and the text each
// key then holds in the store. A set is named by a tag and an iteration, and every key's
// text differs between iterations (names and timeouts also in length), so that the store
// shows which save it came from.

inline constexpr int kSaveLoopRows = kRemoteRowCount;

struct RowValues {
  QString name;
  int batchRun;
  int shutdown;
  int restart;
  int force;
};

struct SaveValues {
  QPoint pixels;  // the window's outer top-left corner
  QString timeout;
  RowValues rows[kSaveLoopRows];
};

inline int tickFor(int iteration, int row, int salt) {
  return (iteration + row * 7 + salt) % 3 == 0 ? 1 : 0;
}

inline SaveValues saveValues(const QString& tag, int iteration) {
  SaveValues values;
  // Never 67, 67: a window left where the stored default of 1000 twips put it writes
  // 1000 back, not 67 x 15.
  values.pixels = QPoint(100 + iteration % 50, 80 + iteration % 40);
  values.timeout = QStringLiteral("%1-%2").arg(tag).arg(QString(iteration % 5 + 1, u'9'));
  for (int row = 0; row < kSaveLoopRows; ++row) {
    values.rows[row] = {QStringLiteral("%1-%2-%3").arg(tag).arg(iteration).arg(row + 1),
                        tickFor(iteration, row, 0), tickFor(iteration, row, 1),
                        tickFor(iteration, row, 2), tickFor(iteration, row, 0) ^ 1};
  }
  return values;
}

// What the advanced window's Save writes for these values.
inline QMap<QString, QString> advancedSaveTexts(const SaveValues& values) {
  QMap<QString, QString> texts;
  texts[placementKey(WindowId::SguiAdvanced, PlacementEdge::Left).name] =
      QString::number(values.pixels.x() * 15);
  texts[placementKey(WindowId::SguiAdvanced, PlacementEdge::Top).name] =
      QString::number(values.pixels.y() * 15);
  texts[settingKey(Setting::ShutdownTimeout).name] = values.timeout;
  for (int row = 1; row <= kSaveLoopRows; ++row) {
    const RowValues& r = values.rows[row - 1];
    texts[settingKey(Setting::RowPcName, row).name] = r.name;
    texts[settingKey(Setting::RowBatchRun, row).name] = QString::number(r.batchRun);
    texts[settingKey(Setting::RowShutdown, row).name] = QString::number(r.shutdown);
    texts[settingKey(Setting::RowRestart, row).name] = QString::number(r.restart);
    texts[settingKey(Setting::RowForce, row).name] = QString::number(r.force);
  }
  return texts;
}

// What the simple window's Save writes: its one row is the first row of the set.
inline QMap<QString, QString> simpleSaveTexts(const SaveValues& values) {
  QMap<QString, QString> texts;
  texts[placementKey(WindowId::SguiSimple, PlacementEdge::Left).name] =
      QString::number(values.pixels.x() * 15);
  texts[placementKey(WindowId::SguiSimple, PlacementEdge::Top).name] =
      QString::number(values.pixels.y() * 15);
  texts[settingKey(Setting::ShutdownTimeout).name] = values.timeout;
  const RowValues& r = values.rows[0];
  texts[settingKey(Setting::SimplePcName).name] = r.name;
  texts[settingKey(Setting::SimpleShutdown).name] = QString::number(r.shutdown);
  texts[settingKey(Setting::SimpleRestart).name] = QString::number(r.restart);
  texts[settingKey(Setting::SimpleForce).name] = QString::number(r.force);
  return texts;
}

// The crash test alternates between two sets.
inline SaveValues crashSet(int iteration) {
  return iteration % 2 == 0 ? saveValues(QStringLiteral("first"), 0)
                            : saveValues(QStringLiteral("the-second-set"), 12345);
}
