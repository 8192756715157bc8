#include "app/picture_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "widgets/pictures.h"

PictureButton::PictureButton(const QString& picture, const QString& caption, int pictureSize,
                             QWidget* parent)
    : QPushButton(caption, parent), picture_(pictureIcon(picture)), pictureSize_(pictureSize) {}

void PictureButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  painter.drawControl(QStyle::CE_PushButton, option);

  const int side = std::min({pictureSize_, width() - 4, height() - 4});
  const QString caption = text();
  const int captionHeight = caption.isEmpty() ? 0 : fontMetrics().height();
  const int top = (height() - side - captionHeight) / 2 + (isDown() ? 1 : 0);
  const QRect pictureRect((width() - side) / 2, top, side, side);
  picture_.paint(&painter, pictureRect, Qt::AlignCenter,
                 isEnabled() ? QIcon::Normal : QIcon::Disabled);
  if (!caption.isEmpty()) {
    const QRect captionRect(0, pictureRect.bottom() + 1, width(), captionHeight);
    painter.drawItemText(captionRect, Qt::AlignCenter, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
  }
}
