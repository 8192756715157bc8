#pragma once

#include <QString>
#include <QWidget>

// The colours of the layouts, each named once.
inline const QString kGreen = QStringLiteral("#00FF00");
inline const QString kBlack = QStringLiteral("#000000");
inline const QString kCyan = QStringLiteral("#00FFFF");
inline const QString kRed = QStringLiteral("#FF0000");
inline const QString kLightRed = QStringLiteral("#FF8080");
inline const QString kYellow = QStringLiteral("#FFFF00");

// Text colour on a background colour, as the widget's own style sheet.
inline void setColours(QWidget* widget, const QString& text, const QString& background) {
  widget->setStyleSheet(QStringLiteral("color: %1; background-color: %2;").arg(text, background));
}

// A background colour with the default text colour.
inline void setBackground(QWidget* widget, const QString& background) {
  widget->setStyleSheet(QStringLiteral("background-color: %1;").arg(background));
}
