#pragma once

#include <QFont>
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

inline QRect twipsRect(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Places a control at its layout-table rectangle, given in twips.
inline void placeInTwips(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(twipsRect(left, top, width, height));
}

// "Arial" maps to a metric twin where Arial itself is missing.
inline QFont arialFont(double pointSize, bool bold,
                       const QString& family = QStringLiteral("Arial")) {
  QFont font(family);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}
