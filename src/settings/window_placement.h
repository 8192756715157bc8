#pragma once

#include "settings/key_catalogue.h"
#include "settings/settings_store.h"

class QWidget;

// A window's outer rectangle in twips, as stored.
struct Placement {
  float left;
  float top;
  float width;
  float height;
};

// The four placement reads, in the order Left, Top, Width, Height.
Placement readPlacement(SettingsStore& store, WindowId window);

// Moves the window's outer top-left corner and fixes its size so that the outer size
// (with the designed frame) is the placement's.
void applyPlacement(QWidget& window, WindowId id, const Placement& placement);

// Writes Left and then Top from the window's current outer position. Width and Height
// are never written.
void writeWindowPosition(SettingsStore& store, WindowId id, const QWidget& window);
