#pragma once

#include <array>

#include "remote/remote_row_controls.h"
#include "settings/key_catalogue.h"
#include "widgets/twips.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QWidget;

// One of the thirty rows of the advanced remote window, in its tab order after the
// row-number box.
struct GridRow {
  QLineEdit* number = nullptr;
  QCheckBox* batchRun = nullptr;
  QLineEdit* pcName = nullptr;
  QCheckBox* shutdown = nullptr;
  QCheckBox* restart = nullptr;
  QCheckBox* force = nullptr;
  QPushButton* run = nullptr;
  QPushButton* abort = nullptr;
};

using GridRows = std::array<GridRow, kRemoteRowCount>;

// Where a control of row n (1 to 30) sits, given where it sits in row 1: rows 1 to 15 fill
// the left column from the top, rows 16 to 30 the right one.
TwipsRect rowRect(int row, const TwipsRect& firstRow);

// Builds the eight controls of row n (1 to 30) on the window, named and placed.
GridRow buildGridRow(QWidget* window, int row);

// The row as the command rules read it, with the window's shared timeout box.
RemoteRowControls remoteRow(const GridRow& row, QLineEdit* timeout);
