#include <gtest/gtest.h>

#include "qt_printers.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>

#include "recording_launcher.h"
#include "remote/command_box.h"
#include "remote/remote_row_controls.h"
#include "widgets/tick_box.h"

namespace {

// One row of controls and a command box on a bare widget.
struct RowOnScreen {
  QWidget window;
  QLineEdit* name = new QLineEdit(QStringLiteral("PC01"), &window);
  QLineEdit* timeout = new QLineEdit(QStringLiteral("30"), &window);
  QCheckBox* shutdown = new QCheckBox(&window);
  QCheckBox* restart = new QCheckBox(&window);
  QCheckBox* force = new QCheckBox(&window);
  QLineEdit* commandBox = makeCommandBox(&window);
  RemoteRowControls controls{name, timeout, shutdown, restart, force};

  void setTicks(int s, int r, int f) {
    setTickValue(*shutdown, s);
    setTickValue(*restart, r);
    setTickValue(*force, f);
  }
};

}  // namespace

TEST(CommandBox, StartsWithTheDesignTextReadOnlyAndCentred) {
  QWidget window;
  QLineEdit* box = makeCommandBox(&window);
  EXPECT_EQ(box->objectName(), QStringLiteral("ALL_CMD_COMMANDS_TEXTBOX"));
  EXPECT_EQ(box->text(), QStringLiteral("!!! COMMAND GENERATED AT RUNTIME !!!"));
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_EQ(box->alignment(), Qt::AlignCenter);
}

TEST(CommandBox, RunShowsEachLineThenLaunchesItHiddenAndKeepsTheLast) {
  // Every tick combination, greyed values included: the launches are the rule's lines in
  // order, each hidden, and the box ends with the last one or keeps its text.
  for (int s : {0, 1, 2}) {
    for (int r : {0, 1, 2}) {
      for (int f : {0, 1, 2}) {
        RowOnScreen row;
        row.setTicks(s, r, f);
        RecordingLauncher launcher;
        const QStringList lines = runCommandLines(readRow(row.controls));
        runRow(row.controls, *row.commandBox, launcher);

        EXPECT_EQ(launcher.commandLines(), lines) << s << r << f;
        for (const auto& launch : launcher.launches) EXPECT_EQ(launch.style, WindowStyle::Hidden);
        EXPECT_EQ(row.commandBox->text(), lines.isEmpty() ? kCommandBoxDesignText : lines.last())
            << s << r << f;
      }
    }
  }
}

TEST(CommandBox, NothingBuiltLeavesTheEarlierLineInTheBox) {
  RowOnScreen row;
  RecordingLauncher launcher;
  abortRow(row.controls, *row.commandBox, launcher);
  row.setTicks(0, 0, 1);  // Force alone builds nothing
  runRow(row.controls, *row.commandBox, launcher);
  EXPECT_EQ(row.commandBox->text(), QStringLiteral("shutdown /a /m \\\\PC01"));
  EXPECT_EQ(launcher.launches.size(), 1);
}

TEST(CommandBox, WhatIsLaunchedIsWhatTheBoxShows) {
  // A box that cannot hold the whole line shows less, and that is what runs.
  RowOnScreen row;
  row.commandBox->setMaxLength(12);
  RecordingLauncher launcher;
  showAndLaunch({QStringLiteral("shutdown /a /m \\\\PC01")}, *row.commandBox, launcher);
  EXPECT_EQ(launcher.commandLines(), QStringList{QStringLiteral("shutdown /a ")});
}

TEST(CommandBox, RowIsReadAtTheMomentTheRuleRuns) {
  RowOnScreen row;
  row.setTicks(1, 0, 0);
  RecordingLauncher launcher;
  runRow(row.controls, *row.commandBox, launcher);
  row.name->setText(QStringLiteral("PC02"));
  row.timeout->setText(QString());
  runRow(row.controls, *row.commandBox, launcher);
  EXPECT_EQ(launcher.commandLines(), (QStringList{QStringLiteral("shutdown /s /m \\\\PC01 /t 30"),
                                                  QStringLiteral("shutdown /s /m \\\\PC02 /t ")}));
}
