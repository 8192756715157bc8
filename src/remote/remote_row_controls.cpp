#include "remote/remote_row_controls.h"

#include <QCheckBox>
#include <QLineEdit>

#include "remote/command_box.h"
#include "widgets/tick_box.h"

RemoteRow readRow(const RemoteRowControls& row) {
  return {row.pcName->text(), row.timeout->text(), tickValue(*row.shutdown),
          tickValue(*row.restart), tickValue(*row.force)};
}

void runRow(const RemoteRowControls& row, QLineEdit& commandBox, CommandLauncher& launcher) {
  showAndLaunch(runCommandLines(readRow(row)), commandBox, launcher);
}

void abortRow(const RemoteRowControls& row, QLineEdit& commandBox, CommandLauncher& launcher) {
  showAndLaunch({abortCommandLine(row.pcName->text())}, commandBox, launcher);
}
