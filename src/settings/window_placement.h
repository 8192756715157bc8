#pragma once

#include "settings/key_catalogue.h"
#include "settings/settings_store.h"

// A window's outer rectangle in twips, as stored.
struct Placement {
  float left;
  float top;
  float width;
  float height;
};

// The four placement reads, in the order Left, Top, Width, Height.
Placement readPlacement(SettingsStore& store, WindowId window);

// Writes Left and then Top, in twips. Width and Height are never written.
void writePlacementPosition(SettingsStore& store, WindowId window, float left, float top);
