#include "actions/autotimer_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "actions/action_catalogue.h"
#include "actions/autotimer_layout.h"
#include "actions/command_launcher.h"
#include "actions/countdown_time.h"
#include "app/picture_button.h"
#include "app/title_look.h"
#include "app/twips.h"

namespace layout = autotimer_layout;

namespace {

constexpr int kTickMs = 1000;
const QString kGreen = QStringLiteral("#00FF00");
const QString kBlack = QStringLiteral("#000000");
const QString kCyan = QStringLiteral("#00FFFF");
const QString kRed = QStringLiteral("#FF0000");
const QString kFiredText = QStringLiteral("--:--:--");
const QString kRunningStatus = QStringLiteral("!!! AUTOTIMER RUNNING !!!");

// What each state shows and enables, in the order of AutotimerWindow::State. The
// countdown box keeps its text in every state.
struct StateLook {
  const char* status;
  bool actionButtons;
  bool ok;
  bool cancel;
  bool countdownLocked;
  bool counting;
};

constexpr StateLook kStateLooks[] = {
    {"WAITING FOR USER INPUT", true, false, false, false, false},
    {"OPTION SELECTED", true, true, false, false, false},
    {"COUNTDOWN STARTED", false, false, true, true, true},
    {"!!! COUNTDOWN ABORTED !!!", true, true, false, false, false},
};

void place(QWidget* control, const layout::Box& box) {
  placeInTwips(control, box.left, box.top, box.width, box.height);
}

QLabel* makePlainLabel(const layout::TextControl& entry, Qt::Alignment alignment, QWidget* parent) {
  auto* label = new QLabel(QLatin1String(entry.text), parent);
  label->setObjectName(QLatin1String(entry.name));
  label->setAlignment(alignment);
  place(label, entry.box);
  return label;
}

PictureButton* makeCaptionedButton(const layout::TextControl& entry, const QString& picture,
                                   QWidget* parent) {
  auto* button =
      new PictureButton(picture, QLatin1String(entry.text), layout::kPicturePixels, parent);
  button->setObjectName(QLatin1String(entry.name));
  button->setFont(arialFont(layout::kBigButtonFontPoints, true));
  place(button, entry.box);
  return button;
}

}  // namespace

AutotimerWindow::AutotimerWindow(SettingsStore& store, CommandLauncher& launcher, QWidget* owner)
    : SecondaryWindow(store, WindowId::Autotimer, QStringLiteral("OL_HALTDECK_AUTOTIMER_WINDOW"),
                      QStringLiteral("OL-HALTDECK - AUTOTIMER"), owner),
      launcher_(launcher) {
  // The plain labels are sized for this font; the other controls set their own.
  setFont(arialFont(layout::kCaptionFontPoints, false));
  buildTitles();
  buildButtons();
  buildTextBoxes();
  chainTabOrder();
  counter_ = new QTimer(this);
  counter_->setObjectName(QStringLiteral("AUTOTIMER_COUNTER"));
  // A repeating precise timer keeps its one-second grid: a late tick does not push the
  // later ones back.
  counter_->setTimerType(Qt::PreciseTimer);
  connect(counter_, &QTimer::timeout, this, &AutotimerWindow::tick);
}

QString AutotimerWindow::rejectedTimeStatus() {
  return QStringLiteral("!!! NOT A TIME - TYPE HH:MM:SS !!!");
}

void AutotimerWindow::buildTitles() {
  for (const layout::TextControl& title : layout::kTitles) {
    place(makeTitleLabel(QLatin1String(title.name), QLatin1String(title.text), this), title.box);
  }
  const layout::TextControl& status = layout::kStatusLabel;
  status_ = makeTitleLabel(QLatin1String(status.name), QLatin1String(status.text), this);
  place(status_, status.box);
  for (const layout::TextControl& caption : layout::kButtonCaptions) {
    makePlainLabel(caption, Qt::AlignCenter, this);
  }
  for (const layout::TextControl& heading : layout::kClockHeadings) {
    makePlainLabel(heading, Qt::AlignLeft | Qt::AlignVCenter, this);
  }
}

void AutotimerWindow::buildButtons() {
  for (size_t i = 0; i < actionButtons_.size(); ++i) {
    const ActionEntry& action = actionCatalogue()[i];
    const layout::ActionButton& entry = layout::kActionButtons[i];
    auto* button =
        new PictureButton(QLatin1String(entry.picture), QString(), layout::kPicturePixels, this);
    button->setObjectName(QLatin1String(action.buttonName));
    button->setAccessibleName(QLatin1String(action.buttonCaption));
    place(button, entry.box);
    connect(button, &QPushButton::clicked, this, [this, &action] { select(action); });
    actionButtons_[i] = button;
  }

  closeButton_ =
      new PictureButton(QStringLiteral("cancel"), QString(), layout::kPicturePixels, this);
  closeButton_->setObjectName(QLatin1String(layout::kCloseButton.name));
  closeButton_->setAccessibleName(QStringLiteral("Close"));
  place(closeButton_, layout::kCloseButton.box);
  connect(closeButton_, &QPushButton::clicked, this, &AutotimerWindow::writePositionAndClose);
  setCloseButton(closeButton_);

  cancelButton_ = makeCaptionedButton(layout::kCancelButton, QStringLiteral("cancel"), this);
  connect(cancelButton_, &QPushButton::clicked, this, &AutotimerWindow::abort);
  okButton_ = makeCaptionedButton(layout::kOkButton, QStringLiteral("ok"), this);
  connect(okButton_, &QPushButton::clicked, this, &AutotimerWindow::start);
}

void AutotimerWindow::buildTextBoxes() {
  const layout::TextControl& action = layout::kActionBox;
  actionBox_ = new QLineEdit(QLatin1String(action.text), this);
  actionBox_->setObjectName(QLatin1String(action.name));
  actionBox_->setReadOnly(true);
  actionBox_->setFocusPolicy(Qt::NoFocus);
  actionBox_->setAlignment(Qt::AlignCenter);
  actionBox_->setFont(arialFont(layout::kActionBoxFontPoints, true));
  setColours(actionBox_, kCyan, kRed);
  place(actionBox_, action.box);

  const layout::TextControl& countdown = layout::kCountdownBox;
  countdownBox_ = new QLineEdit(QLatin1String(countdown.text), this);
  countdownBox_->setObjectName(QLatin1String(countdown.name));
  countdownBox_->setAlignment(Qt::AlignCenter);
  QFont clockFont = arialFont(layout::kCountdownFontPoints, false, QStringLiteral("Arial Black"));
  clockFont.setWeight(QFont::Black);
  countdownBox_->setFont(clockFont);
  setColours(countdownBox_, kGreen, kBlack);
  place(countdownBox_, countdown.box);
}

void AutotimerWindow::chainTabOrder() {
  QWidget* order[] = {closeButton_,      actionButtons_[3], actionButtons_[2], actionButtons_[1],
                      actionButtons_[0], countdownBox_,     okButton_,         cancelButton_};
  for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void AutotimerWindow::load() {
  counter_->setInterval(kTickMs);
  enter(State::Waiting);
}

void AutotimerWindow::enter(State state) {
  const StateLook& look = kStateLooks[size_t(state)];
  if (!look.counting) counter_->stop();
  status_->setText(QLatin1String(look.status));
  if (look.counting) counter_->start();  // the first tick comes one interval later
  cancelButton_->setEnabled(look.cancel);
  okButton_->setEnabled(look.ok);
  countdownBox_->setReadOnly(look.countdownLocked);
  for (PictureButton* button : actionButtons_) button->setEnabled(look.actionButtons);
}

void AutotimerWindow::select(const ActionEntry& action) {
  enter(State::Selected);
  actionBox_->setText(QLatin1String(action.label));
}

void AutotimerWindow::start() {
  // The text is converted before anything changes, so a text that is not a time leaves
  // the window as it was; the status label says what to type.
  const std::optional<double> remaining = parseCountdownText(countdownBox_->text());
  if (!remaining) {
    status_->setText(rejectedTimeStatus());
    countdownBox_->setFocus(Qt::OtherFocusReason);
    countdownBox_->selectAll();
    return;
  }
  remaining_ = *remaining;
  enter(State::Running);
}

void AutotimerWindow::abort() {
  enter(State::Aborted);
}

void AutotimerWindow::tick() {
  status_->setText(kRunningStatus);
  remaining_ = afterOneTick(remaining_);
  countdownBox_->setText(formatTimeOfDay(remaining_));
  if (!readsAsZero(countdownBox_->text())) return;

  countdownBox_->setText(kFiredText);
  const QString label = actionBox_->text();
  const ActionEntry* action = findAction(label);
  if (!action) return;
  status_->setText(QLatin1String(action->countdownStatus));
  runLocalAction(label, launcher_);
  close();  // the window may be deleted once this tick returns: nothing of it is used now
}

void AutotimerWindow::done(int result) {
  counter_->stop();  // a countdown in progress ends with the window
  SecondaryWindow::done(result);
}
