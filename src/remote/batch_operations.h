#pragma once

#include "remote/grid_row.h"

class CommandLauncher;
class QLineEdit;

// BATCH RUN: the run rule on every row whose Batch Run box is ticked (exactly 1), rows 1
// to 30 in order, with the shared timeout. Every row is tried, whatever earlier launches
// did; an empty name is no reason to skip a row.
void batchRun(const GridRows& rows, QLineEdit& timeout, QLineEdit& commandBox,
              CommandLauncher& launcher);

// ABORT ALL: the abort rule on all thirty rows in order, empty names included, so it
// always launches thirty lines.
void abortAll(const GridRows& rows, QLineEdit& commandBox, CommandLauncher& launcher);
