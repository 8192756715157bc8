#pragma once

#include <span>

#include "widgets/layout.h"

class QLabel;
class QLineEdit;
class QWidget;

// The product's title look: bright green text on black, Arial 9.75 pt bold, centred.
void applyTitleLook(QWidget* control);

// A label in the title look.
QLabel* addTitleLabel(QWidget* parent, const ControlSpec& entry);

// A text box in the title look. A read-only one takes no focus; an editable one takes it
// only from a click, so Tab passes it by.
enum class TitleBox { ReadOnly, Editable };
QLineEdit* addTitleBox(QWidget* parent, const ControlSpec& entry, TitleBox kind);

// A window's row of titles ("OAK-LANTERN", "OL-HD", "OL-HALTDECK", ...), as labels or boxes.
void addTitleLabels(QWidget* parent, std::span<const ControlSpec> titles);
void addTitleBoxes(QWidget* parent, std::span<const ControlSpec> titles, TitleBox kind);
