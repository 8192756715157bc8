#pragma once

#include <QRect>
#include <QWidget>
#include <algorithm>
#include <cmath>

// Windows are laid out in twips: 1/1440 inch, 15 twips to one logical pixel.
inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel and keeps the result within what a Qt window accepts,
// whatever number a hand-edited store held.
inline int twipsToPixels(double twips) {
  const double pixels = std::round(twips / kTwipsPerPixel);
  return int(std::clamp(pixels, -double(QWIDGETSIZE_MAX), double(QWIDGETSIZE_MAX)));
}

inline float pixelsToTwips(int pixels) {
  return float(pixels) * kTwipsPerPixel;
}

// A rectangle of a layout table, in twips of the window's client area.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

inline QRect toPixels(const TwipsRect& rect) {
  return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
          twipsToPixels(rect.height)};
}

// Places a control at its layout-table rectangle.
inline void placeInTwips(QWidget* control, const TwipsRect& rect) {
  control->setGeometry(toPixels(rect));
}
