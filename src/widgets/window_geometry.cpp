#include "widgets/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "widgets/twips.h"

namespace {

// Where applyPlacement put the window, in pixels and as the stored twips. A window that
// has not moved writes its stored position back unchanged: 1000 twips is 66.7 pixels, and
// writing 67 pixels back as 1005 twips would move every unmoved window a little.
const char* const kPlacedPixels = "haltdeckPlacedPixels";
const char* const kPlacedTwips = "haltdeckPlacedTwips";

// A hand-edited size larger than the desktop gives a window as large as the desktop (or
// its designed size, if that is larger), as Windows limits it: a window millions of
// pixels wide would take gigabytes of memory to draw.
QSize largestClientSize(const PlacementSpec& entry) {
  QSize desktop;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) desktop = screen->virtualSize();
  const QSize designed(twipsToPixels(entry.defaultWidth - entry.frameWidth),
                       twipsToPixels(entry.defaultHeight - entry.frameHeight));
  return desktop.expandedTo(designed);
}

}  // namespace

void applyPlacement(QWidget& window, WindowId id, const Placement& placement) {
  const PlacementSpec& entry = placementSpec(id);
  const QPoint pixels(twipsToPixels(placement.left), twipsToPixels(placement.top));
  window.move(pixels);
  window.setProperty(kPlacedPixels, pixels);
  window.setProperty(kPlacedTwips, QPointF(placement.left, placement.top));
  const int clientWidth = twipsToPixels(double(placement.width) - entry.frameWidth);
  const int clientHeight = twipsToPixels(double(placement.height) - entry.frameHeight);
  const QSize largest = largestClientSize(entry);
  window.setFixedSize(std::clamp(clientWidth, 1, largest.width()),
                      std::clamp(clientHeight, 1, largest.height()));
}

void writeWindowPosition(SettingsStore& store, WindowId id, const QWidget& window) {
  const QPoint outerTopLeft = window.pos();
  QPointF twips(pixelsToTwips(outerTopLeft.x()), pixelsToTwips(outerTopLeft.y()));
  if (window.property(kPlacedPixels).toPoint() == outerTopLeft) {
    twips = window.property(kPlacedTwips).toPointF();
  }
  writePlacementPosition(store, id, float(twips.x()), float(twips.y()));
}
