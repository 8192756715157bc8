#include "widgets/layout_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <limits>

#include "widgets/picture_button.h"
#include "widgets/wrapping_controls.h"

namespace {

QString nameOf(const ControlSpec& entry) {
  return QLatin1String(entry.name);
}

QString textOf(const ControlSpec& entry) {
  return QString::fromUtf8(entry.text);
}

template <typename Control>
Control* placed(Control* control, const QString& name, const TwipsRect& rect) {
  placeControl(control, name, rect);
  return control;
}

}  // namespace

void placeControl(QWidget* control, const QString& name, const TwipsRect& rect) {
  control->setObjectName(name);
  placeInTwips(control, rect);
}

void placeControl(QWidget* control, const ControlSpec& entry) {
  placeControl(control, nameOf(entry), entry.rect);
}

QLabel* addLabel(QWidget* parent, const ControlSpec& entry, Qt::Alignment alignment) {
  auto* label = placed(new QLabel(textOf(entry), parent), nameOf(entry), entry.rect);
  label->setAlignment(alignment);
  return label;
}

QLabel* addHintLabel(QWidget* parent, const ControlSpec& entry) {
  QLabel* label = addLabel(parent, entry, Qt::AlignRight | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

QLineEdit* addTextBox(QWidget* parent, const QString& name, const QString& text,
                      const TwipsRect& rect) {
  auto* textBox = new QLineEdit(parent);
  // A stored name or timeout is shown and saved back whole: QLineEdit would otherwise cut
  // it to 32,767 characters.
  textBox->setMaxLength(std::numeric_limits<int>::max());
  textBox->setText(text);
  return placed(textBox, name, rect);
}

QLineEdit* addTextBox(QWidget* parent, const ControlSpec& entry) {
  return addTextBox(parent, nameOf(entry), textOf(entry), entry.rect);
}

QCheckBox* addCheckBox(QWidget* parent, const QString& name, const QString& caption,
                       const TwipsRect& rect) {
  return placed(new WrappingCheckBox(caption, parent), name, rect);
}

QCheckBox* addCheckBox(QWidget* parent, const ControlSpec& entry) {
  return addCheckBox(parent, nameOf(entry), textOf(entry), entry.rect);
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption,
                       const TwipsRect& rect) {
  return placed(new WrappingButton(caption, parent), name, rect);
}

QPushButton* addButton(QWidget* parent, const ControlSpec& entry) {
  return addButton(parent, nameOf(entry), textOf(entry), entry.rect);
}

PictureButton* addPictureButton(QWidget* parent, const ControlSpec& entry, const QString& picture,
                                int pictureSize) {
  return placed(new PictureButton(picture, textOf(entry), pictureSize, parent), nameOf(entry),
                entry.rect);
}

void chainTabOrder(const QList<QWidget*>& order) {
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}
