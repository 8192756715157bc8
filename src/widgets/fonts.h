#pragma once

#include <QFont>
#include <QString>

// "Arial" maps to a metric twin where Arial itself is missing.
inline QFont arialFont(double pointSize, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

// Arial Black at weight 900, the clock and row-number look. Where the face is missing the
// fallback is still the heaviest weight there is.
inline QFont arialBlackFont(double pointSize) {
  QFont font(QStringLiteral("Arial Black"));
  font.setPointSizeF(pointSize);
  font.setWeight(QFont::Black);
  return font;
}

// The point sizes of the layouts.
inline constexpr double kBodyPoints = 8.25;     // plain labels, check boxes, buttons
inline constexpr double kTitlePoints = 9.75;    // the title look
inline constexpr double kCaptionPoints = 12;    // the captions of the large picture buttons
inline constexpr double kActionPoints = 14.25;  // the action label boxes
