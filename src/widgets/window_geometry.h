#pragma once

#include "settings/key_catalogue.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"

class QWidget;

// Moves the window's outer top-left corner and fixes its size so that the outer size
// (with the designed frame) is the placement's.
void applyPlacement(QWidget& window, WindowId id, const Placement& placement);

// Writes Left and then Top from the window's current outer position.
void writeWindowPosition(SettingsStore& store, WindowId id, const QWidget& window);
