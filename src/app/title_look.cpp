#include "app/title_look.h"

#include <QLabel>
#include <QLineEdit>

#include "app/twips.h"

namespace {
const QString kGreen = QStringLiteral("#00FF00");
const QString kBlack = QStringLiteral("#000000");
constexpr double kTitlePointSize = 9.75;
}  // namespace

void setColours(QWidget* widget, const QString& text, const QString& background) {
  widget->setStyleSheet(QStringLiteral("color: %1; background-color: %2;").arg(text, background));
}

QLabel* makeTitleLabel(const QString& objectName, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(objectName);
  label->setFont(arialFont(kTitlePointSize, true));
  label->setAlignment(Qt::AlignCenter);
  setColours(label, kGreen, kBlack);
  return label;
}

QLineEdit* makeTitleTextBox(const QString& objectName, const QString& text, bool readOnly,
                            QWidget* parent) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(objectName);
  box->setFont(arialFont(kTitlePointSize, true));
  box->setAlignment(Qt::AlignCenter);
  box->setReadOnly(readOnly);
  box->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::ClickFocus);
  setColours(box, kGreen, kBlack);
  return box;
}
