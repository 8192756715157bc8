#include "remote/command_box.h"

#include <QLineEdit>

#include "platform/command_launcher.h"

QLineEdit* makeCommandBox(QWidget* parent) {
  auto* box = new QLineEdit(kCommandBoxDesignText, parent);
  box->setObjectName(QStringLiteral("ALL_CMD_COMMANDS_TEXTBOX"));
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

void showAndLaunch(const QStringList& lines, QLineEdit& commandBox, CommandLauncher& launcher) {
  for (const QString& line : lines) {
    commandBox.setText(line);
    // What runs is what the user was shown.
    launcher.launch(commandBox.text(), WindowStyle::Hidden);
  }
}
