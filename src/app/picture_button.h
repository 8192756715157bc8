#pragma once

#include <QIcon>
#include <QPushButton>

// A push button that shows a picture, with its caption (if any) below the picture. It
// stays a QPushButton, so a dialog's default-button and Enter handling apply to it.
class PictureButton : public QPushButton {
  Q_OBJECT

 public:
  // picture is a picture name such as "ok" (see pictureIcon()); pictureSize in pixels.
  PictureButton(const QString& picture, const QString& caption, int pictureSize, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QIcon picture_;
  int pictureSize_;
};
