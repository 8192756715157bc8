#include "actions/run_option_window.h"

#include <QLabel>
#include <QLineEdit>

#include "actions/action_catalogue.h"
#include "actions/confirm_action_window.h"
#include "app/main_bar.h"
#include "app/picture_button.h"
#include "app/title_look.h"
#include "app/twips.h"

namespace {

constexpr int kButtonPicture = 32;  // pixels
constexpr int kButtonTop = 360;     // twips
constexpr int kButtonSide = 615;
constexpr int kLabelTop = 1080;
constexpr int kLabelHeight = 255;
// The labels are sized for a small sans-serif: at Arial 8.25 pt even "Logoff" fits its
// 495 twips, where the desktop's default font would cut the words off.
constexpr double kLabelPointSize = 8.25;

// Where each button and the label under it go, in twips.
struct Slot {
  const char* picture;
  int buttonLeft;
  const char* labelName;
  int labelLeft;
  int labelWidth;
};

// In catalogue order.
constexpr Slot kActionSlots[] = {
    {"action_shutdown", 240, "Label1", 240, 735},
    {"action_restart", 1080, "Label2", 1080, 615},
    {"action_hibernate", 1920, "Label4", 1920, 735},
    {"action_logoff", 2760, "Label5", 2880, 495},
};
static_assert(std::size(kActionSlots) ==
              std::tuple_size_v<std::remove_cvref_t<decltype(actionCatalogue())>>);
constexpr Slot kCancelSlot = {"cancel", 3600, "Label6", 3600, 615};

// A picture button without caption, and the label under it that names it.
PictureButton* makeLabelledButton(const QString& name, const QString& caption, const Slot& slot,
                                  QWidget* parent) {
  auto* button = new PictureButton(QLatin1String(slot.picture), QString(), kButtonPicture, parent);
  button->setObjectName(name);
  button->setAccessibleName(caption);
  placeInTwips(button, slot.buttonLeft, kButtonTop, kButtonSide, kButtonSide);

  auto* label = new QLabel(caption, parent);
  label->setObjectName(QLatin1String(slot.labelName));
  label->setFont(arialFont(kLabelPointSize, false));
  label->setAlignment(Qt::AlignCenter);
  placeInTwips(label, slot.labelLeft, kLabelTop, slot.labelWidth, kLabelHeight);
  return button;
}

}  // namespace

RunOptionWindow::RunOptionWindow(MainBar& bar, QWidget* owner)
    : SecondaryWindow(bar.services().store, WindowId::RunOptions,
                      QStringLiteral("OL_HALTDECK_RUN_OPTION_WINDOW"),
                      QStringLiteral("OL-HALTDECK - SELECT OPTION:"), owner),
      bar_(bar) {
  buildControls();
}

void RunOptionWindow::buildControls() {
  // Nothing reads the titles, but the user may type into them.
  placeInTwips(makeTitleTextBox(QStringLiteral("OL_TITLE_1_TEXTBOX"), QStringLiteral("OAK-LANTERN"),
                                false, this),
               120, 0, 2055, 285);
  placeInTwips(makeTitleTextBox(QStringLiteral("OL_TITLE_2_TEXTBOX"), QStringLiteral("OL-HALTDECK"),
                                false, this),
               2280, 0, 2055, 285);

  // Tab runs from Cancel leftwards through the actions and back to Cancel.
  auto* cancel = makeLabelledButton(QStringLiteral("CANCEL_BUTTON"), QStringLiteral("Cancel"),
                                    kCancelSlot, this);
  setCloseButton(cancel);
  connect(cancel, &QPushButton::clicked, this, &RunOptionWindow::writePositionAndClose);
  QWidget* previous = cancel;
  for (int index = int(std::size(kActionSlots)) - 1; index >= 0; --index) {
    const ActionEntry& action = actionCatalogue()[size_t(index)];
    auto* button =
        makeLabelledButton(QLatin1String(action.buttonName), QLatin1String(action.buttonCaption),
                           kActionSlots[index], this);
    connect(button, &QPushButton::clicked, this, [this, &action] { pick(action); });
    setTabOrder(previous, button);
    previous = button;
  }
}

void RunOptionWindow::pick(const ActionEntry& action) {
  bar_.setActionLabel(QString::fromLatin1(action.label));
  QPointer<RunOptionWindow> self(this);
  openWindow<ConfirmActionWindow>(this, bar_);
  if (self) close();
}
