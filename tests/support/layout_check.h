#pragma once

#include <QList>
#include <QString>

#include "widgets/twips.h"

class QWidget;

// One control as a window's layout table gives it: name, caption or text, rectangle in
// twips of the client area.
struct ExpectedControl {
  QString name;
  QString text;
  TwipsRect rect;
};

// Checks every listed control of the window: it exists, shows its text (a button's or check
// box's caption, a label's or text box's text) and sits at its rectangle.
void expectLayout(QWidget* window, const QList<ExpectedControl>& controls);

// The text a control shows, whatever its kind.
QString shownText(QWidget* control);
