#include "remote/grid_row.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/colours.h"
#include "widgets/fonts.h"
#include "widgets/layout_controls.h"

namespace {

constexpr int kRowsPerColumn = 15;
constexpr int kFirstRowTop = 720;
constexpr int kRowPitch = 360;
constexpr int kColumnShift = 7200;

// Where each control of row 1 sits, in twips; the other rows are these rectangles moved
// down the column and, for rows 16 to 30, into the right column.
constexpr TwipsRect kNumberRect{120, kFirstRowTop, 375, 285};
constexpr TwipsRect kBatchRunRect{600, kFirstRowTop, 1095, 255};
constexpr TwipsRect kPcNameRect{1800, kFirstRowTop, 2055, 285};
constexpr TwipsRect kShutdownRect{3960, kFirstRowTop, 495, 255};
constexpr TwipsRect kRestartRect{4560, kFirstRowTop, 495, 255};
constexpr TwipsRect kForceRect{5160, kFirstRowTop, 495, 255};
constexpr TwipsRect kRunRect{5760, kFirstRowTop, 615, 255};
constexpr TwipsRect kAbortRect{6480, kFirstRowTop, 615, 255};

// Row 1's number box kept its own name; the others kept their numbered ones.
QString numberBoxName(int row) {
  return row == 1 ? QStringLiteral("PC_NUMBER_1_TEXTBOX") : QStringLiteral("Text%1").arg(row + 28);
}

QLineEdit* addNumberBox(QWidget* window, int row, const TwipsRect& rect) {
  QLineEdit* number = addTextBox(window, numberBoxName(row), QString::number(row), rect);
  number->setFont(arialBlackFont(kBodyPoints));
  number->setAlignment(Qt::AlignCenter);
  number->setFocusPolicy(Qt::ClickFocus);  // typing there is allowed, tabbing is not
  setColours(number, kYellow, kBlack);
  return number;
}

}  // namespace

TwipsRect rowRect(int row, const TwipsRect& firstRow) {
  const int column = (row - 1) / kRowsPerColumn;
  const int line = (row - 1) % kRowsPerColumn;
  return {firstRow.left + kColumnShift * column, firstRow.top + kRowPitch * line, firstRow.width,
          firstRow.height};
}

GridRow buildGridRow(QWidget* window, int row) {
  const auto keyName = [row](Setting setting) { return settingKey(setting, row).name; };
  GridRow controls;
  controls.number = addNumberBox(window, row, rowRect(row, kNumberRect));
  controls.batchRun = addCheckBox(window, keyName(Setting::RowBatchRun),
                                  QStringLiteral("Batch Run"), rowRect(row, kBatchRunRect));
  controls.pcName =
      addTextBox(window, keyName(Setting::RowPcName), QString(), rowRect(row, kPcNameRect));
  controls.shutdown = addCheckBox(window, keyName(Setting::RowShutdown), QStringLiteral("S"),
                                  rowRect(row, kShutdownRect));
  controls.restart = addCheckBox(window, keyName(Setting::RowRestart), QStringLiteral("R"),
                                 rowRect(row, kRestartRect));
  controls.force = addCheckBox(window, keyName(Setting::RowForce), QStringLiteral("F"),
                               rowRect(row, kForceRect));
  controls.run = addButton(window, QStringLiteral("RUN_%1_BUTTON").arg(row), QStringLiteral("Run"),
                           rowRect(row, kRunRect));
  controls.abort = addButton(window, QStringLiteral("ABORT_%1_BUTTON").arg(row),
                             QStringLiteral("Abort"), rowRect(row, kAbortRect));
  return controls;
}

RemoteRowControls remoteRow(const GridRow& row, QLineEdit* timeout) {
  return {row.pcName, timeout, row.shutdown, row.restart, row.force};
}
