#pragma once

#include <QString>
#include <QStringList>

// What one remote computer's row holds when a rule runs: the name and the timeout exactly
// as typed, and the three tick values (0 clear, 1 ticked, 2 greyed).
struct RemoteRow {
  QString pcName;
  QString timeout;
  int shutdown = 0;
  int restart = 0;
  int force = 0;
};

// The command literals. Every prefix ends in a blank and two backslashes; the computer
// name follows the second backslash directly.
inline constexpr char16_t kShutdownPrefix[] = uR"(shutdown /s /m \\)";
inline constexpr char16_t kRestartPrefix[] = uR"(shutdown /g /m \\)";
inline constexpr char16_t kForcedShutdownPrefix[] = uR"(shutdown /s /f /m \\)";
inline constexpr char16_t kForcedRestartPrefix[] = uR"(shutdown /g /f /m \\)";
inline constexpr char16_t kTimeoutSeparator[] = u" /t ";
inline constexpr char16_t kAbortPrefix[] = uR"(shutdown /a /m \\)";

// The run rule: four independent tests, each that holds giving one line, in this order:
// shut down, restart, forced shut down, forced restart. Only a value of exactly 1 counts
// as ticked and only exactly 0 as a clear Force box, so a greyed box satisfies no test.
QStringList runCommandLines(const RemoteRow& row);

// The abort rule: always one line; neither the ticks nor the timeout take part.
QString abortCommandLine(const QString& pcName);
