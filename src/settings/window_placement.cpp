#include "settings/window_placement.h"

#include <QWidget>

#include "app/twips.h"
#include "settings/typed_settings.h"

Placement readPlacement(SettingsStore& store, WindowId window) {
  Placement placement{};
  placement.left = readPlacementNumber(store, placementKey(window, PlacementEdge::Left));
  placement.top = readPlacementNumber(store, placementKey(window, PlacementEdge::Top));
  placement.width = readPlacementNumber(store, placementKey(window, PlacementEdge::Width));
  placement.height = readPlacementNumber(store, placementKey(window, PlacementEdge::Height));
  return placement;
}

void applyPlacement(QWidget& window, WindowId id, const Placement& placement) {
  const PlacementSpec& spec = placementSpec(id);
  window.move(twipsToPixels(placement.left), twipsToPixels(placement.top));
  const int clientWidth = twipsToPixels(double(placement.width) - spec.frameWidth);
  const int clientHeight = twipsToPixels(double(placement.height) - spec.frameHeight);
  window.setFixedSize(std::max(clientWidth, 1), std::max(clientHeight, 1));
}

void writeWindowPosition(SettingsStore& store, WindowId id, const QWidget& window) {
  const QPoint outerTopLeft = window.pos();
  SettingsWriteBatch batch(store);
  writePlacementNumber(store, placementKey(id, PlacementEdge::Left), pixelsToTwips(outerTopLeft.x()));
  writePlacementNumber(store, placementKey(id, PlacementEdge::Top), pixelsToTwips(outerTopLeft.y()));
}
