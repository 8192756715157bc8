#include "widgets/title_row.h"

#include <QLabel>
#include <QLineEdit>

#include "widgets/colours.h"
#include "widgets/fonts.h"
#include "widgets/layout_controls.h"

void applyTitleLook(QWidget* control) {
  control->setFont(arialFont(kTitlePoints, true));
  setColours(control, kGreen, kBlack);
}

QLabel* addTitleLabel(QWidget* parent, const ControlSpec& entry) {
  QLabel* label = addLabel(parent, entry, Qt::AlignCenter);
  applyTitleLook(label);
  return label;
}

QLineEdit* addTitleBox(QWidget* parent, const ControlSpec& entry, TitleBox kind) {
  QLineEdit* box = addTextBox(parent, entry);
  applyTitleLook(box);
  box->setAlignment(Qt::AlignCenter);
  box->setReadOnly(kind == TitleBox::ReadOnly);
  box->setFocusPolicy(kind == TitleBox::ReadOnly ? Qt::NoFocus : Qt::ClickFocus);
  return box;
}

void addTitleLabels(QWidget* parent, std::span<const ControlSpec> titles) {
  for (const ControlSpec& title : titles) addTitleLabel(parent, title);
}

void addTitleBoxes(QWidget* parent, std::span<const ControlSpec> titles, TitleBox kind) {
  for (const ControlSpec& title : titles) addTitleBox(parent, title, kind);
}
