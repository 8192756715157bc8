#pragma once

#include "remote/remote_command_rules.h"

class CommandLauncher;
class QCheckBox;
class QLineEdit;

// The controls that describe one remote computer. The timeout box may be shared by
// several rows.
struct RemoteRowControls {
  QLineEdit* pcName = nullptr;
  QLineEdit* timeout = nullptr;
  QCheckBox* shutdown = nullptr;
  QCheckBox* restart = nullptr;
  QCheckBox* force = nullptr;
};

// What the row shows at this moment, unsaved edits included.
RemoteRow readRow(const RemoteRowControls& row);

// The run rule on what the row shows: zero, one or two lines shown and launched.
void runRow(const RemoteRowControls& row, QLineEdit& commandBox, CommandLauncher& launcher);
// The abort rule on the row's name, the only control it reads: one line shown and launched.
void abortRow(const RemoteRowControls& row, QLineEdit& commandBox, CommandLauncher& launcher);
