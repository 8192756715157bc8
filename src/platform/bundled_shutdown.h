#pragma once

#include <QString>

// The program this platform starts for a `shutdown` command line, given the folder of the
// running program; empty where the platform has Windows' own `shutdown`.
QString bundledShutdownProgram(const QString& programDirectory);
