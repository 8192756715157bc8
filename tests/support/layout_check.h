#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <optional>

#include "widgets/twips.h"

class QWidget;

// How a control looks, as a layout table gives it. An empty family means the window's own
// font, an empty colour the window's own colour for that role; the alignment (horizontal
// only) is checked where the table names one.
struct ExpectedLook {
  QString family = {};
  double points = 0;
  int weight = QFont::Normal;
  QString textColour = {};
  QString background = {};
  std::optional<Qt::Alignment> alignment = std::nullopt;
};

// The window's own font and colours.
inline const ExpectedLook kPlain{};
inline const ExpectedLook kPlainCentred{.alignment = Qt::AlignHCenter};
inline const ExpectedLook kPlainRightAligned{.alignment = Qt::AlignRight};
// The product's title look: bright green on black, Arial 9.75 pt bold, centred.
inline const ExpectedLook kTitleLook{"Arial",   9.75,      QFont::Bold,
                                     "#00FF00", "#000000", Qt::AlignHCenter};

// One control as a window's layout table gives it: name, caption or text, rectangle in
// twips of the client area, and look.
struct ExpectedControl {
  QString name;
  QString text;
  TwipsRect rect;
  ExpectedLook look = kPlain;
};

// Checks every listed control of the window: it exists, shows its text (a button's or check
// box's caption, a label's or text box's text), sits at its rectangle and has its look.
void expectLayout(QWidget* window, const QList<ExpectedControl>& controls);

// The text a control shows, whatever its kind.
QString shownText(QWidget* control);
