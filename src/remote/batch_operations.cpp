#include "remote/batch_operations.h"

#include "widgets/tick_box.h"

void batchRun(const GridRows& rows, QLineEdit& timeout, QLineEdit& commandBox,
              CommandLauncher& launcher) {
  for (const GridRow& row : rows) {
    if (tickValue(*row.batchRun) != 1) continue;
    runRow(remoteRow(row, &timeout), commandBox, launcher);
  }
}

void abortAll(const GridRows& rows, QLineEdit& commandBox, CommandLauncher& launcher) {
  for (const GridRow& row : rows) abortRow(remoteRow(row, nullptr), commandBox, launcher);
}
