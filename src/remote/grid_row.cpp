#include "remote/grid_row.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/title_look.h"
#include "app/twips.h"

namespace {

constexpr int kRowsPerColumn = 15;
constexpr int kFirstRowTop = 720;
constexpr int kRowPitch = 360;
constexpr int kColumnShift = 7200;

// Where each control of a row sits in the left column, and its size, in twips.
struct RowPlace {
  int x;
  int width;
  int height;
};
constexpr RowPlace kNumberPlace{120, 375, 285};
constexpr RowPlace kBatchRunPlace{600, 1095, 255};
constexpr RowPlace kPcNamePlace{1800, 2055, 285};
constexpr RowPlace kShutdownPlace{3960, 495, 255};
constexpr RowPlace kRestartPlace{4560, 495, 255};
constexpr RowPlace kForcePlace{5160, 495, 255};
constexpr RowPlace kRunPlace{5760, 615, 255};
constexpr RowPlace kAbortPlace{6480, 615, 255};

constexpr double kNumberPointSize = 8.25;

// Row 1's number box kept its own name; the others kept their numbered ones.
QString numberBoxName(int row) {
  return row == 1 ? QStringLiteral("PC_NUMBER_1_TEXTBOX") : QStringLiteral("Text%1").arg(row + 28);
}

QLineEdit* addNumberBox(QWidget* window, int row, TwipsBox box) {
  QLineEdit* number = addTextBox(window, numberBoxName(row), QString::number(row), box);
  QFont font = arialFont(kNumberPointSize, false, QStringLiteral("Arial Black"));
  font.setWeight(QFont::Black);
  number->setFont(font);
  number->setAlignment(Qt::AlignCenter);
  number->setFocusPolicy(Qt::ClickFocus);  // typing there is allowed, tabbing is not
  setColours(number, QStringLiteral("#FFFF00"), QStringLiteral("#000000"));
  return number;
}

}  // namespace

TwipsBox gridBox(int row, int leftColumnX, int width, int height) {
  const int column = (row - 1) / kRowsPerColumn;
  const int line = (row - 1) % kRowsPerColumn;
  return {leftColumnX + kColumnShift * column, kFirstRowTop + kRowPitch * line, width, height};
}

GridRow buildGridRow(QWidget* window, int row) {
  const auto box = [row](RowPlace place) {
    return gridBox(row, place.x, place.width, place.height);
  };
  const auto keyName = [row](Setting setting) { return settingKey(setting, row).name; };
  GridRow controls;
  controls.number = addNumberBox(window, row, box(kNumberPlace));
  controls.batchRun = addCheckBox(window, keyName(Setting::RowBatchRun),
                                  QStringLiteral("Batch Run"), box(kBatchRunPlace));
  controls.pcName = addTextBox(window, keyName(Setting::RowPcName), QString(), box(kPcNamePlace));
  controls.shutdown =
      addCheckBox(window, keyName(Setting::RowShutdown), QStringLiteral("S"), box(kShutdownPlace));
  controls.restart =
      addCheckBox(window, keyName(Setting::RowRestart), QStringLiteral("R"), box(kRestartPlace));
  controls.force =
      addCheckBox(window, keyName(Setting::RowForce), QStringLiteral("F"), box(kForcePlace));
  controls.run = addButton(window, QStringLiteral("RUN_%1_BUTTON").arg(row), QStringLiteral("Run"),
                           box(kRunPlace));
  controls.abort = addButton(window, QStringLiteral("ABORT_%1_BUTTON").arg(row),
                             QStringLiteral("Abort"), box(kAbortPlace));
  return controls;
}

RemoteRowControls remoteRow(const GridRow& row, QLineEdit* timeout) {
  return {row.pcName, timeout, row.shutdown, row.restart, row.force};
}
