#pragma once

#include <QList>
#include <QString>
#include <Qt>

#include "widgets/layout.h"

class PictureButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The one way a window builds a control from its layout table: the control is created on
// the parent, named by the table's name, shows the table's text and sits at its rectangle.
// Each comes in two forms: from a table row, and from a name made at run time (a settings
// key, a row number) with its text and rectangle. Captions of buttons and check boxes wrap
// when they do not fit.

// Names the control and places it at its rectangle.
void placeControl(QWidget* control, const QString& name, const TwipsRect& rect);
void placeControl(QWidget* control, const ControlSpec& entry);

QLabel* addLabel(QWidget* parent, const ControlSpec& entry, Qt::Alignment alignment);
// Right-aligned and wrapping at word breaks, as the remote windows' narrow hint labels need.
QLabel* addHintLabel(QWidget* parent, const ControlSpec& entry);

QLineEdit* addTextBox(QWidget* parent, const QString& name, const QString& text,
                      const TwipsRect& rect);
QLineEdit* addTextBox(QWidget* parent, const ControlSpec& entry);

QCheckBox* addCheckBox(QWidget* parent, const QString& name, const QString& caption,
                       const TwipsRect& rect);
QCheckBox* addCheckBox(QWidget* parent, const ControlSpec& entry);

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption,
                       const TwipsRect& rect);
QPushButton* addButton(QWidget* parent, const ControlSpec& entry);

// A picture (widgets/pictures.h) above the table's caption, if any; pictureSize in pixels.
PictureButton* addPictureButton(QWidget* parent, const ControlSpec& entry, const QString& picture,
                                int pictureSize);

// Tab moves through the controls in this order.
void chainTabOrder(const QList<QWidget*>& order);
