#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// The product's title look: bright green text on black, Arial 9.75 pt bold, centred.
QLabel* makeTitleLabel(const QString& objectName, const QString& text, QWidget* parent);
// The same look on a text box; read-only boxes take no focus, as the layouts want.
QLineEdit* makeTitleTextBox(const QString& objectName, const QString& text, bool readOnly,
                            QWidget* parent);

// Text colours on a background colour, as a style sheet fragment for one widget.
void setColours(QWidget* widget, const QString& text, const QString& background);
