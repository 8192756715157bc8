#include "actions/autotimer_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "actions/action_catalogue.h"
#include "actions/autotimer_layout.h"
#include "actions/countdown_time.h"
#include "settings/enum_table.h"
#include "widgets/colours.h"
#include "widgets/fonts.h"
#include "widgets/layout_controls.h"
#include "widgets/picture_button.h"
#include "widgets/title_row.h"

namespace layout = autotimer_layout;

namespace {

constexpr int kTickMs = 1000;
const QString kFiredText = QStringLiteral("--:--:--");
const QString kRunningStatus = QStringLiteral("!!! AUTOTIMER RUNNING !!!");

// What each state shows and enables. The countdown box keeps its text in every state.
struct StateLook {
  AutotimerWindow::State state;
  const char* status;
  bool actionButtons;
  bool ok;
  bool cancel;
  bool countdownLocked;
  bool counting;
};

using State = AutotimerWindow::State;
constexpr std::array<StateLook, 4> kStateLooks{{
    {State::Waiting, "WAITING FOR USER INPUT", true, false, false, false, false},
    {State::Selected, "OPTION SELECTED", true, true, false, false, false},
    {State::Running, "COUNTDOWN STARTED", false, false, true, true, true},
    {State::Aborted, "!!! COUNTDOWN ABORTED !!!", true, true, false, false, false},
}};
static_assert(rowsFollowEnum(kStateLooks, &StateLook::state));

PictureButton* makeCaptionedButton(QWidget* parent, const ControlSpec& entry, const char* picture) {
  PictureButton* button =
      addPictureButton(parent, entry, QLatin1String(picture), layout::kPicturePixels);
  button->setFont(arialFont(kCaptionPoints, true));
  return button;
}

}  // namespace

AutotimerWindow::AutotimerWindow(SettingsStore& store, CommandLauncher& launcher, QWidget* owner)
    : SecondaryWindow(store, WindowId::Autotimer, owner), launcher_(launcher) {
  // The plain labels are sized for this font; the other controls set their own.
  setFont(arialFont(kBodyPoints, false));
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
  addTitleLabels(this, layout::kTitles);
  status_ = addTitleLabel(this, layout::kStatusLabel);
  for (const ControlSpec& caption : layout::kButtonCaptions) {
    addLabel(this, caption, Qt::AlignCenter);
  }
  for (const ControlSpec& heading : layout::kClockHeadings) {
    addLabel(this, heading, Qt::AlignLeft | Qt::AlignVCenter);
  }
}

void AutotimerWindow::buildButtons() {
  for (size_t i = 0; i < actionButtons_.size(); ++i) {
    const ActionEntry& action = actionCatalogue()[i];
    PictureButton* button =
        addPictureButton(this, {action.buttonName, "", layout::kActionButtons[i]},
                         QLatin1String(action.picture), layout::kPicturePixels);
    button->setAccessibleName(QLatin1String(action.buttonCaption));
    connect(button, &QPushButton::clicked, this, [this, &action] { select(action); });
    actionButtons_[i] = button;
  }

  closeButton_ = addPictureButton(this, layout::kCloseButton, QStringLiteral("cancel"),
                                  layout::kPicturePixels);
  closeButton_->setAccessibleName(QStringLiteral("Close"));
  connect(closeButton_, &QPushButton::clicked, this, &AutotimerWindow::writePositionAndClose);
  setCloseButton(closeButton_);

  cancelButton_ = makeCaptionedButton(this, layout::kCancelButton, "cancel");
  connect(cancelButton_, &QPushButton::clicked, this, &AutotimerWindow::abort);
  okButton_ = makeCaptionedButton(this, layout::kOkButton, "ok");
  connect(okButton_, &QPushButton::clicked, this, &AutotimerWindow::start);
}

void AutotimerWindow::buildTextBoxes() {
  actionBox_ = addTextBox(this, layout::kActionBox);
  actionBox_->setReadOnly(true);
  actionBox_->setFocusPolicy(Qt::NoFocus);
  actionBox_->setAlignment(Qt::AlignCenter);
  actionBox_->setFont(arialFont(kActionPoints, true));
  setColours(actionBox_, kCyan, kRed);

  countdownBox_ = addTextBox(this, layout::kCountdownBox);
  countdownBox_->setAlignment(Qt::AlignCenter);
  countdownBox_->setFont(arialBlackFont(layout::kCountdownFontPoints));
  setColours(countdownBox_, kGreen, kBlack);
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
