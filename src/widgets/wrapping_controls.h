#pragma once

#include <QCheckBox>
#include <QPushButton>

// Buttons and check boxes whose caption breaks at blanks onto more lines when it is wider
// than the control, as the layouts expect of their tall, narrow controls ("SGUI
// Advanced", "Enable Batch Run"). Qt's own controls clip instead. A caption that fits is
// drawn by Qt as usual.
class WrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class WrappingCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
