#pragma once

#include <QList>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A control of a remote window at its layout-table rectangle (twips), named by its
// layout name. Labels are right-aligned and wrap at word breaks, as their narrow
// rectangles need; buttons are plain text buttons. Captions of buttons and check boxes
// wrap when they do not fit.
struct TwipsBox {
  int left;
  int top;
  int width;
  int height;
};

QLabel* addLabel(QWidget* window, const QString& name, const QString& text, TwipsBox box);
QLineEdit* addTextBox(QWidget* window, const QString& name, const QString& text, TwipsBox box);
QCheckBox* addCheckBox(QWidget* window, const QString& name, const QString& caption, TwipsBox box);
QPushButton* addButton(QWidget* window, const QString& name, const QString& caption, TwipsBox box);
// A title label in the product's title look.
QLabel* addTitle(QWidget* window, const QString& name, const QString& text, TwipsBox box);

// Tab moves through the controls in this order.
void chainTabOrder(const QList<QWidget*>& order);

// The font the layouts were measured with; every control that has no look of its own
// inherits it from the window.
void setLayoutFont(QWidget* window);
