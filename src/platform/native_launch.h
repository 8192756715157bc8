#pragma once

#include <string>

#include "platform/window_style.h"

// Starts the command line without a shell and without waiting. Implemented once per
// platform; the Windows one uses nothing but <windows.h>. shutdownProgram: see
// createPlatformLauncher.
void launchNativeCommandLine(const std::wstring& commandLine, WindowStyle style,
                             const std::wstring& shutdownProgram = {});
