#include "widgets/wrapping_controls.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

bool fitsOneLine(const QWidget& control, const QString& caption, const QRect& area) {
  return control.fontMetrics().horizontalAdvance(caption) <= area.width();
}

// Draws the control without its caption, then the caption wrapped into the area.
void drawWrapped(QWidget* control, QStyle::ControlElement element, QStyleOptionButton option,
                 const QRect& area, Qt::Alignment alignment, QPalette::ColorRole role) {
  QStylePainter painter(control);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(element, option);
  painter.drawItemText(area, int(alignment) | Qt::TextWordWrap, option.palette,
                       control->isEnabled(), caption, role);
}

}  // namespace

void WrappingButton::paintEvent(QPaintEvent* event) {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  if (fitsOneLine(*this, option.text, area)) {
    QPushButton::paintEvent(event);
    return;
  }
  drawWrapped(this, QStyle::CE_PushButton, option, area, Qt::AlignCenter, QPalette::ButtonText);
}

void WrappingCheckBox::paintEvent(QPaintEvent* event) {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect area = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
  if (fitsOneLine(*this, option.text, area)) {
    QCheckBox::paintEvent(event);
    return;
  }
  drawWrapped(this, QStyle::CE_CheckBox, option, area, Qt::AlignLeft | Qt::AlignVCenter,
              QPalette::WindowText);
}
