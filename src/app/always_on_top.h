#pragma once

#include "platform/window_manager.h"

// One tick of the bar's always-on-top timer: unless the bar is the foreground window,
// demote whatever window is in the foreground (asked for again), then raise the bar.
void alwaysOnTopStep(WindowManager& windowManager, NativeWindow bar);
