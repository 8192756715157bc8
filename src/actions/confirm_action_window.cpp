#include "actions/confirm_action_window.h"

#include <QLineEdit>
#include <QTextEdit>

#include "actions/action_catalogue.h"
#include "app/main_bar.h"
#include "app/picture_button.h"
#include "app/title_look.h"
#include "app/twips.h"

namespace {

constexpr int kButtonPicture = 32;  // pixels
constexpr double kButtonPointSize = 12;
constexpr double kLabelPointSize = 14.25;

PictureButton* makeButton(const char* name, const char* picture, const QString& caption, int left,
                          QWidget* parent) {
  auto* button = new PictureButton(QLatin1String(picture), caption, kButtonPicture, parent);
  button->setObjectName(QLatin1String(name));
  button->setFont(arialFont(kButtonPointSize, true));
  placeInTwips(button, left, 960, 1335, 975);
  return button;
}

QLineEdit* makeActionLabelBox(QWidget* parent) {
  auto* box = new QLineEdit(QStringLiteral("ACTION_TEXTBOX"), parent);
  box->setObjectName(QStringLiteral("ACTION_TEXTBOX"));
  box->setFont(arialFont(kLabelPointSize, true));
  box->setAlignment(Qt::AlignCenter);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  setColours(box, QStringLiteral("#00FFFF"), QStringLiteral("#FF0000"));
  placeInTwips(box, 240, 360, 4575, 375);
  return box;
}

QTextEdit* makeQuestionBox(QWidget* parent) {
  auto* box = new QTextEdit(parent);
  box->setObjectName(QStringLiteral("CONFIRM_ACTION_QUESTION_TEXTBOX"));
  box->setFont(arialFont(kLabelPointSize, true));
  box->setPlainText(QStringLiteral("!!! CONFIRM ACTION !!!\r\n"));
  box->selectAll();
  box->setAlignment(Qt::AlignCenter);
  box->moveCursor(QTextCursor::Start);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setStyleSheet(QStringLiteral("background-color: #FF8080;"));
  placeInTwips(box, 240, 2160, 4575, 405);
  return box;
}

}  // namespace

ConfirmActionWindow::ConfirmActionWindow(MainBar& bar, QWidget* owner)
    : SecondaryWindow(bar.services().store, WindowId::ConfirmAction,
                      QStringLiteral("OL_HALTDECK_CONFIRM_ACTION_WINDOW"),
                      QStringLiteral("OL-HALTDECK - !!! CONFIRM ACTION !!!"), owner),
      bar_(bar) {
  buildControls();
}

void ConfirmActionWindow::buildControls() {
  placeInTwips(makeTitleTextBox(QStringLiteral("OL_TITLE_1_TEXTBOX"), QStringLiteral("OAK-LANTERN"),
                                true, this),
               120, 0, 1815, 285);
  placeInTwips(
      makeTitleTextBox(QStringLiteral("OL_TITLE_3_TEXTBOX"), QStringLiteral("OL-HD"), true, this),
      2040, 0, 855, 285);
  placeInTwips(makeTitleTextBox(QStringLiteral("OL_TITLE_2_TEXTBOX"), QStringLiteral("OL-HALTDECK"),
                                true, this),
               3000, 0, 1935, 285);
  actionLabel_ = makeActionLabelBox(this);

  // Cancel comes first in the tab order, so it has the focus at open.
  auto* cancel = makeButton("CANCEL_BUTTON", "cancel", QStringLiteral("Cancel"), 2760, this);
  auto* ok = makeButton("OK_BUTTON", "ok", QStringLiteral("OK"), 840, this);
  setTabOrder(cancel, ok);
  setCloseButton(cancel);
  connect(cancel, &QPushButton::clicked, this, &ConfirmActionWindow::writePositionAndClose);
  connect(ok, &QPushButton::clicked, this, &ConfirmActionWindow::confirm);

  makeQuestionBox(this);
}

void ConfirmActionWindow::load() {
  actionLabel_->setText(bar_.actionLabel());
}

void ConfirmActionWindow::confirm() {
  // A label outside the catalogue leaves the window open with nothing launched.
  if (runLocalAction(actionLabel_->text(), bar_.services().launcher)) close();
}
