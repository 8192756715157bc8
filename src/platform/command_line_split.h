#pragma once

#include <QString>
#include <QStringList>

// Splits a command line into arguments the way a Windows program's C runtime does, so a
// line reaches a program here as it would reach shutdown.exe there:
// - the program name runs to the first blank or tab, or is quoted as a whole, and keeps
//   its backslashes;
// - then blanks and tabs separate arguments outside double quotes;
// - 2n backslashes before a double quote give n backslashes and the quote opens or
//   closes a quoted part; 2n+1 give n backslashes and a literal quote;
// - inside a quoted part, two double quotes give one literal quote;
// - backslashes not before a double quote are literal.
QStringList splitWindowsCommandLine(const QString& commandLine);
