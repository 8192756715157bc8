#include "remote/window_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "app/title_look.h"
#include "app/twips.h"
#include "remote/wrapping_controls.h"

namespace {

constexpr double kLayoutPointSize = 8.25;

template <typename Control>
Control* placed(Control* control, const QString& name, TwipsBox box) {
  control->setObjectName(name);
  placeInTwips(control, box.left, box.top, box.width, box.height);
  return control;
}

}  // namespace

QLabel* addLabel(QWidget* window, const QString& name, const QString& text, TwipsBox box) {
  auto* label = placed(new QLabel(text, window), name, box);
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

QLineEdit* addTextBox(QWidget* window, const QString& name, const QString& text, TwipsBox box) {
  auto* textBox = new QLineEdit(window);
  // A stored name or timeout is shown and saved back whole: QLineEdit would otherwise cut
  // it to 32,767 characters.
  textBox->setMaxLength(std::numeric_limits<int>::max());
  textBox->setText(text);
  return placed(textBox, name, box);
}

QCheckBox* addCheckBox(QWidget* window, const QString& name, const QString& caption, TwipsBox box) {
  return placed(new WrappingCheckBox(caption, window), name, box);
}

QPushButton* addButton(QWidget* window, const QString& name, const QString& caption, TwipsBox box) {
  return placed(new WrappingButton(caption, window), name, box);
}

QLabel* addTitle(QWidget* window, const QString& name, const QString& text, TwipsBox box) {
  return placed(makeTitleLabel(name, text, window), name, box);
}

void setLayoutFont(QWidget* window) {
  window->setFont(arialFont(kLayoutPointSize, false));
}

void chainTabOrder(const QList<QWidget*>& order) {
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}
