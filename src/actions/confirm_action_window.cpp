#include "actions/confirm_action_window.h"

#include <QLineEdit>
#include <QTextEdit>

#include "actions/action_catalogue.h"
#include "widgets/bar_state.h"
#include "widgets/colours.h"
#include "widgets/fonts.h"
#include "widgets/layout_controls.h"
#include "widgets/picture_button.h"
#include "widgets/title_row.h"

namespace {

// The layout, in twips of the client area (5070 x 2940).
constexpr ControlSpec kTitles[] = {
    {"OL_TITLE_1_TEXTBOX", "OAK-LANTERN", {120, 0, 1815, 285}},
    {"OL_TITLE_3_TEXTBOX", "OL-HD", {2040, 0, 855, 285}},
    {"OL_TITLE_2_TEXTBOX", "OL-HALTDECK", {3000, 0, 1935, 285}},
};
constexpr ControlSpec kActionLabel{"ACTION_TEXTBOX", "ACTION_TEXTBOX", {240, 360, 4575, 375}};
constexpr ControlSpec kOkButton{"OK_BUTTON", "OK", {840, 960, 1335, 975}};
constexpr ControlSpec kCancelButton{"CANCEL_BUTTON", "Cancel", {2760, 960, 1335, 975}};
constexpr ControlSpec kQuestion{
    "CONFIRM_ACTION_QUESTION_TEXTBOX", "!!! CONFIRM ACTION !!!\r\n", {240, 2160, 4575, 405}};

constexpr int kButtonPicture = 32;  // pixels

PictureButton* makeButton(QWidget* parent, const ControlSpec& entry, const char* picture) {
  PictureButton* button = addPictureButton(parent, entry, QLatin1String(picture), kButtonPicture);
  button->setFont(arialFont(kCaptionPoints, true));
  return button;
}

QLineEdit* makeActionLabelBox(QWidget* parent) {
  QLineEdit* box = addTextBox(parent, kActionLabel);
  box->setFont(arialFont(kActionPoints, true));
  box->setAlignment(Qt::AlignCenter);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  setColours(box, kCyan, kRed);
  return box;
}

QTextEdit* makeQuestionBox(QWidget* parent) {
  auto* box = new QTextEdit(parent);
  placeControl(box, kQuestion);
  box->setFont(arialFont(kActionPoints, true));
  box->setPlainText(QLatin1String(kQuestion.text));
  box->selectAll();
  box->setAlignment(Qt::AlignCenter);
  box->moveCursor(QTextCursor::Start);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setBackground(box, kLightRed);
  return box;
}

}  // namespace

ConfirmActionWindow::ConfirmActionWindow(BarState& bar, SettingsStore& store,
                                         CommandLauncher& launcher, QWidget* owner)
    : SecondaryWindow(store, WindowId::ConfirmAction, owner), bar_(bar), launcher_(launcher) {
  buildControls();
}

void ConfirmActionWindow::buildControls() {
  addTitleBoxes(this, kTitles, TitleBox::ReadOnly);
  actionLabel_ = makeActionLabelBox(this);

  // Cancel comes first in the tab order, so it has the focus at open.
  PictureButton* cancel = makeButton(this, kCancelButton, "cancel");
  PictureButton* ok = makeButton(this, kOkButton, "ok");
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
  if (runLocalAction(actionLabel_->text(), launcher_)) close();
}
