#include "remote_windows.h"

namespace {

QLineEdit* commandBox(QWidget* w) {
  return control<QLineEdit>(w, QStringLiteral("ALL_CMD_COMMANDS_TEXTBOX"));
}

// Stores a row as Save would have, so the window restores it when it opens.
struct StoredRow {
  int row;
  QString name;
  int batchRun, shutdown, restart, force;
};

class BatchOperationsTest : public RemoteWindowsTest {
 protected:
  void storeRows(const QList<StoredRow>& rows) {
    for (const StoredRow& r : rows) {
      store.preset(keyName(Setting::RowPcName, r.row), r.name);
      store.preset(keyName(Setting::RowBatchRun, r.row), QString::number(r.batchRun));
      store.preset(keyName(Setting::RowShutdown, r.row), QString::number(r.shutdown));
      store.preset(keyName(Setting::RowRestart, r.row), QString::number(r.restart));
      store.preset(keyName(Setting::RowForce, r.row), QString::number(r.force));
    }
  }
  // Opens the window, ticks Enable Batch Run, presses BATCH RUN; returns the box's text.
  QString batchRun() {
    QString shown;
    insideAdvanced([&](QWidget* w) {
      clickTick(control<QCheckBox>(w, QStringLiteral("ENABLE_BATCH_RUN_TICKBOX")));
      click(w, QStringLiteral("BATCH_RUN_BUTTON"));
      shown = commandBox(w)->text();
    });
    return shown;
  }
  QString abortAll() {
    QString shown;
    insideAdvanced([&](QWidget* w) {
      click(w, QStringLiteral("ABORT_ALL_BUTTON"));
      shown = commandBox(w)->text();
    });
    return shown;
  }
};

}  // namespace

TEST_F(BatchOperationsTest, RowsThreeAndSeventeenRunInRowOrder) {
  storeRows({{3, "PC03", 1, 1, 0, 0}, {17, "PC17", 1, 0, 1, 1}});
  EXPECT_EQ(batchRun(), QStringLiteral("shutdown /g /f /m \\\\PC17 /t 30"));
  EXPECT_EQ(launcher.launches, (QList<RecordingLauncher::Launch>{
                                   {"shutdown /s /m \\\\PC03 /t 30", WindowStyle::Hidden},
                                   {"shutdown /g /f /m \\\\PC17 /t 30", WindowStyle::Hidden}}));
}

TEST_F(BatchOperationsTest, OnlyMarkedRowsTakePartEachWithItsOwnLinesInRuleOrder) {
  storeRows({
      {2, "UNMARKED", 0, 1, 0, 0},  // its own Run would launch it; BATCH RUN does not
      {4, "BOTH", 1, 1, 1, 0},      // shut-down line, then restart line
      {5, "GREYED MARK", 2, 1, 0, 0},
      {6, "", 1, 0, 1, 0},           // an empty name still launches
      {8, "NO ACTION", 1, 0, 0, 1},  // nothing ticked to run: nothing built
      {9, "GREYED FORCE", 1, 1, 0, 2},
      {29, "LAST", 1, 1, 1, 1},
  });
  EXPECT_EQ(batchRun(), QStringLiteral("shutdown /g /f /m \\\\LAST /t 30"));
  EXPECT_EQ(launcher.commandLines(), (QStringList{
                                         "shutdown /s /m \\\\BOTH /t 30",
                                         "shutdown /g /m \\\\BOTH /t 30",
                                         "shutdown /g /m \\\\ /t 30",
                                         "shutdown /s /f /m \\\\LAST /t 30",
                                         "shutdown /g /f /m \\\\LAST /t 30",
                                     }));
}

TEST_F(BatchOperationsTest, AllThirtyRowsWithBothActionsLaunchSixtyLines) {
  QList<StoredRow> rows;
  for (int n = 1; n <= kRemoteRowCount; ++n)
    rows.append({n, QStringLiteral("PC%1").arg(n), 1, 1, 1, 0});
  storeRows(rows);
  store.preset(keyName(Setting::ShutdownTimeout), QStringLiteral("600"));
  batchRun();
  QStringList expected;
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    expected << QStringLiteral("shutdown /s /m \\\\PC%1 /t 600").arg(n)
             << QStringLiteral("shutdown /g /m \\\\PC%1 /t 600").arg(n);
  }
  EXPECT_EQ(launcher.commandLines(), expected);
}

TEST_F(BatchOperationsTest, NoMarkedRowLaunchesNothingAndLeavesTheBoxAsItWas) {
  storeRows({{1, "PC01", 0, 1, 0, 0}});
  QString shown;
  insideAdvanced([&](QWidget* w) {
    click(w, QStringLiteral("ABORT_1_BUTTON"));
    launcher.launches.clear();
    clickTick(control<QCheckBox>(w, QStringLiteral("ENABLE_BATCH_RUN_TICKBOX")));
    click(w, QStringLiteral("BATCH_RUN_BUTTON"));
    shown = commandBox(w)->text();
  });
  EXPECT_TRUE(launcher.launches.isEmpty());
  EXPECT_EQ(shown, QStringLiteral("shutdown /a /m \\\\PC01"));
  EXPECT_EQ(batchRun(), QStringLiteral("!!! COMMAND GENERATED AT RUNTIME !!!"));
}

TEST_F(BatchOperationsTest, BatchRunIsInertWhileTheGateIsClear) {
  storeRows({{1, "PC01", 1, 1, 0, 0}});
  insideAdvanced([](QWidget* w) { click(w, QStringLiteral("BATCH_RUN_BUTTON")); });
  EXPECT_TRUE(launcher.launches.isEmpty());
}

TEST_F(BatchOperationsTest, AbortAllWithEveryNameEmptyLaunchesThirtyBarePrefixes) {
  storeRows({{1, "", 1, 1, 1, 1}});  // ticks play no part
  EXPECT_EQ(abortAll(), QStringLiteral("shutdown /a /m \\\\"));
  EXPECT_EQ(launcher.commandLines(), QStringList(30, QStringLiteral("shutdown /a /m \\\\")));
  for (const auto& launch : launcher.launches) EXPECT_EQ(launch.style, WindowStyle::Hidden);
}

TEST_F(BatchOperationsTest, AbortAllGoesThroughEveryRowInOrder) {
  storeRows({{5, "PC05", 0, 0, 0, 0}});
  EXPECT_EQ(abortAll(), QStringLiteral("shutdown /a /m \\\\"));
  QStringList expected(30, QStringLiteral("shutdown /a /m \\\\"));
  expected[4] += QStringLiteral("PC05");
  EXPECT_EQ(launcher.commandLines(), expected);

  launcher.launches.clear();
  QList<StoredRow> rows;
  for (int n = 1; n <= kRemoteRowCount; ++n)
    rows.append({n, QStringLiteral("PC%1").arg(n), 0, 0, 0, 0});
  storeRows(rows);
  EXPECT_EQ(abortAll(), QStringLiteral("shutdown /a /m \\\\PC30"));
  for (int n = 1; n <= kRemoteRowCount; ++n) {
    EXPECT_EQ(launcher.commandLines().value(n - 1),
              QStringLiteral("shutdown /a /m \\\\PC%1").arg(n));
  }
}
