#include "settings/window_placement.h"

#include "settings/typed_settings.h"

Placement readPlacement(SettingsStore& store, WindowId window) {
  Placement placement{};
  placement.left = readPlacementNumber(store, placementKey(window, PlacementEdge::Left));
  placement.top = readPlacementNumber(store, placementKey(window, PlacementEdge::Top));
  placement.width = readPlacementNumber(store, placementKey(window, PlacementEdge::Width));
  placement.height = readPlacementNumber(store, placementKey(window, PlacementEdge::Height));
  return placement;
}

void writePlacementPosition(SettingsStore& store, WindowId window, float left, float top) {
  SettingsWriteBatch batch(store);
  writePlacementNumber(store, placementKey(window, PlacementEdge::Left), left);
  writePlacementNumber(store, placementKey(window, PlacementEdge::Top), top);
}
