#pragma once

#include <QStringList>

class CommandLauncher;
class QLineEdit;
class QWidget;

inline const QString kCommandBoxDesignText = QStringLiteral("!!! COMMAND GENERATED AT RUNTIME !!!");

// ALL_CMD_COMMANDS_TEXTBOX: single line, read-only, centred, showing the design text.
QLineEdit* makeCommandBox(QWidget* parent);

// For each line in order: show it in the command box, read the box back and launch that
// text hidden, without waiting. With no lines the box keeps what it showed.
void showAndLaunch(const QStringList& lines, QLineEdit& commandBox, CommandLauncher& launcher);
