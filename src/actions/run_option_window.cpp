#include "actions/run_option_window.h"

#include <QLabel>

#include "actions/action_catalogue.h"
#include "actions/confirm_action_window.h"
#include "widgets/bar_state.h"
#include "widgets/fonts.h"
#include "widgets/layout_controls.h"
#include "widgets/picture_button.h"
#include "widgets/title_row.h"

namespace {

// The layout, in twips of the client area (4455 x 1575). Nothing reads the titles, but
// the user may type into them.
constexpr ControlSpec kTitles[] = {
    {"OL_TITLE_1_TEXTBOX", "OAK-LANTERN", {120, 0, 2055, 285}},
    {"OL_TITLE_2_TEXTBOX", "OL-HALTDECK", {2280, 0, 2055, 285}},
};

// Where each action's picture button and the label under it that names it go, in
// catalogue order; the button's name and the label's caption come from the catalogue.
struct ActionPlace {
  TwipsRect button;
  const char* labelName;
  TwipsRect label;
};

constexpr ActionPlace kActionButtons[] = {
    {{240, 360, 615, 615}, "Label1", {240, 1080, 735, 255}},
    {{1080, 360, 615, 615}, "Label2", {1080, 1080, 615, 255}},
    {{1920, 360, 615, 615}, "Label4", {1920, 1080, 735, 255}},
    {{2760, 360, 615, 615}, "Label5", {2880, 1080, 495, 255}},
};
static_assert(std::size(kActionButtons) ==
              std::tuple_size_v<std::remove_cvref_t<decltype(actionCatalogue())>>);
constexpr ControlSpec kCancelButton{"CANCEL_BUTTON", "", {3600, 360, 615, 615}};
constexpr ControlSpec kCancelLabel{"Label6", "Cancel", {3600, 1080, 615, 255}};

constexpr int kButtonPicture = 32;  // pixels

// The labels are sized for a small sans-serif: at Arial 8.25 pt even "Logoff" fits its
// 495 twips, where the desktop's default font would cut the words off.
void addButtonLabel(QWidget* parent, const ControlSpec& entry) {
  addLabel(parent, entry, Qt::AlignCenter)->setFont(arialFont(kBodyPoints, false));
}

PictureButton* addLabelledButton(QWidget* parent, const ControlSpec& button, const char* picture,
                                 const ControlSpec& label) {
  PictureButton* control = addPictureButton(parent, button, QLatin1String(picture), kButtonPicture);
  control->setAccessibleName(QLatin1String(label.text));
  addButtonLabel(parent, label);
  return control;
}

}  // namespace

RunOptionWindow::RunOptionWindow(BarState& bar, SettingsStore& store, CommandLauncher& launcher,
                                 QWidget* owner)
    : SecondaryWindow(store, WindowId::RunOptions, owner), bar_(bar), launcher_(launcher) {
  buildControls();
}

void RunOptionWindow::buildControls() {
  addTitleBoxes(this, kTitles, TitleBox::Editable);

  // Tab runs from Cancel leftwards through the actions and back to Cancel.
  PictureButton* cancel = addLabelledButton(this, kCancelButton, "cancel", kCancelLabel);
  setCloseButton(cancel);
  connect(cancel, &QPushButton::clicked, this, &RunOptionWindow::writePositionAndClose);
  QWidget* previous = cancel;
  for (int index = int(std::size(kActionButtons)) - 1; index >= 0; --index) {
    const ActionEntry& action = actionCatalogue()[size_t(index)];
    const ActionPlace& place = kActionButtons[index];
    PictureButton* button =
        addLabelledButton(this, {action.buttonName, "", place.button}, action.picture,
                          {place.labelName, action.buttonCaption, place.label});
    connect(button, &QPushButton::clicked, this, [this, &action] { pick(action); });
    setTabOrder(previous, button);
    previous = button;
  }
}

void RunOptionWindow::pick(const ActionEntry& action) {
  bar_.setActionLabel(QString::fromLatin1(action.label));
  QPointer<RunOptionWindow> self(this);
  openWindow<ConfirmActionWindow>(this, bar_, store(), launcher_);
  if (self) close();
}
