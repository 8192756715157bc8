#pragma once

#include <QString>
#include <optional>

// Which program starts for a command line whose program name is `program`. Windows'
// `shutdown` (or `shutdown.exe`, in any case) is not this system's: it becomes the program
// that overrideProgram names when set, else the layer beside the bar. None when neither is
// known: the system's own `shutdown` reads these switches differently and is never started.
// Every other program is started as named.
std::optional<QString> programToStart(const QString& program, const QString& layer,
                                      const QString& overrideProgram);

// The environment variable by which administrators and tests name another program.
inline constexpr char kShutdownProgramVariable[] = "OL_HALTDECK_SHUTDOWN_PROGRAM";
