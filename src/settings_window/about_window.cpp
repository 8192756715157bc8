#include "settings_window/about_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/main_bar.h"
#include "app/title_look.h"
#include "app/twips.h"
#include "settings/typed_settings.h"

namespace {

constexpr int kTitleTop = 120;
constexpr int kTitleHeight = 375;
constexpr int kTickBoxHeight = 255;

// The frame that groups the run-now boxes; the boxes' rectangles below are in the
// window's client area, like every other control's.
constexpr int kFrameLeft = 480;
constexpr int kFrameTop = 1560;

struct RunNowBoxSpec {
  RunNowChoice choice;
  const char* name;
  const char* caption;
  int left;
  int top;
  int width;
};

constexpr RunNowBoxSpec kRunNowBoxes[] = {
    {RunNowChoice::Shutdown, "SHUTDOWN_TICKBOX", "Shutdown", 600, 1920, 1095},
    {RunNowChoice::Restart, "RESTART_TICKBOX", "Restart", 600, 2280, 855},
    {RunNowChoice::Hibernate, "HIBERNATE_TICKBOX", "Hibernate", 600, 2640, 1095},
    {RunNowChoice::Logoff, "LOGOFF_TICKBOX", "Logoff", 2160, 1920, 855},
    {RunNowChoice::AlwaysAsk, "ALWAYS_ASK_TICKBOX", "Always Ask", 2160, 2280, 1215},
};

// The boxes are two-state: only a stored 1 ticks one; a greyed 2 shows clear.
Qt::CheckState checkStateOf(int tickState) {
  return tickState == 1 ? Qt::Checked : Qt::Unchecked;
}

int tickStateOf(const QCheckBox* box) {
  return box->checkState() == Qt::Checked ? 1 : 0;
}

}  // namespace

AboutWindow::AboutWindow(MainBar& bar, QWidget* owner)
    : SecondaryWindow(bar.services().store, WindowId::About, QStringLiteral("OL_HALTDECK_ABOUT"),
                      QStringLiteral("OL-HALTDECK - ABOUT"), owner),
      bar_(bar) {
  buildTitles();
  buildCredits();
  buildChoices();
  buildSaveButton();
  chainTabOrder();
}

QString AboutWindow::creditLine() {
  return QStringLiteral("Created By OAK-LANTERN");
}

QString AboutWindow::contactAddress() {
  return QStringLiteral("oak-lantern@example.com");
}

// The pictures are this project's own drawings; the address names their home.
QString AboutWindow::iconSetAddress() {
  return QStringLiteral("https://example.org/ol-haltdeck/pictures");
}

void AboutWindow::buildTitles() {
  placeInTwips(makeTitleLabel(QStringLiteral("OL_TITLE_1"), QStringLiteral("OAK-LANTERN"), this),
               120, kTitleTop, 1815, kTitleHeight);
  placeInTwips(makeTitleLabel(QStringLiteral("OL_TITLE_2"), QStringLiteral("OL-HALTDECK"), this),
               2040, kTitleTop, 1815, kTitleHeight);
  placeInTwips(makeTitleLabel(QStringLiteral("OL_TITLE_3"), QStringLiteral("OL-HD"), this), 3960,
               kTitleTop, 975, kTitleHeight);
  placeInTwips(makeTitleLabel(QStringLiteral("VERSION_TEXTBOX"),
                              QStringLiteral("Version " HALTDECK_VERSION), this),
               5040, kTitleTop, 1455, kTitleHeight);
}

void AboutWindow::buildCredits() {
  creator_ = makeTitleLabel(QStringLiteral("CREATOR_TEXTBOX"), creditLine(), this);
  placeInTwips(creator_, 120, 600, 4215, kTitleHeight);
  creator_->installEventFilter(this);

  auto* iconsLabel = new QLabel(QStringLiteral("Some Base Icons Used"), this);
  iconsLabel->setObjectName(QStringLiteral("ICONS_WEBLINK_LABEL"));
  placeInTwips(iconsLabel, 240, 1080, 1815, 255);

  auto* iconsAddress = new QLineEdit(iconSetAddress(), this);
  iconsAddress->setObjectName(QStringLiteral("ICONS_WEBLINK_TEXTBOX"));
  iconsAddress->setFocusPolicy(Qt::ClickFocus);  // editable, but Tab passes it by
  iconsAddress->setCursorPosition(0);
  placeInTwips(iconsAddress, 2040, 1080, 4335, 285);

  // The separator runs from 120, 1440 to 6480, 1440: one pixel high.
  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("Line1"));
  line->setFrameStyle(QFrame::HLine | QFrame::Plain);
  line->setGeometry(twipsToPixels(120), twipsToPixels(1440), twipsToPixels(6480 - 120), 1);
}

void AboutWindow::buildChoices() {
  auto* frame = new QGroupBox(QStringLiteral("Run Now Button"), this);
  frame->setObjectName(QStringLiteral("RUN_NOW_SELECTOR_FRAME"));
  placeInTwips(frame, kFrameLeft, kFrameTop, 3015, 1455);
  for (const RunNowBoxSpec& entry : kRunNowBoxes) {
    auto* tickBox = new QCheckBox(QLatin1String(entry.caption), frame);
    tickBox->setObjectName(QLatin1String(entry.name));
    placeInTwips(tickBox, entry.left - kFrameLeft, entry.top - kFrameTop, entry.width,
                 kTickBoxHeight);
    runNowBoxes_[size_t(entry.choice)] = tickBox;
    connect(tickBox, &QCheckBox::stateChanged, this,
            [this, choice = entry.choice] { applyRunNowRule(choice); });
  }

  alwaysOnTop_ = new QCheckBox(QStringLiteral("Always On Top"), this);
  alwaysOnTop_->setObjectName(QStringLiteral("AlwaysOnTop_TICKBOX"));
  alwaysOnTop_->setChecked(true);
  placeInTwips(alwaysOnTop_, 4320, 1680, 1455, kTickBoxHeight);
  connect(alwaysOnTop_, &QCheckBox::stateChanged, this, &AboutWindow::applyAlwaysOnTopRule);
}

void AboutWindow::buildSaveButton() {
  saveAndClose_ = new QPushButton(QStringLiteral("Save && Close"), this);  // "&&": no access key
  saveAndClose_->setObjectName(QStringLiteral("SAVE_AND_CLOSE_BUTTON"));
  saveAndClose_->setDefault(true);
  placeInTwips(saveAndClose_, 4200, 2160, 1695, 735);
  connect(saveAndClose_, &QPushButton::clicked, this, &AboutWindow::saveAndClose);
}

void AboutWindow::chainTabOrder() {
  QWidget* previous = saveAndClose_;
  setTabOrder(previous, alwaysOnTop_);
  previous = alwaysOnTop_;
  for (QCheckBox* tickBox : runNowBoxes_) {
    setTabOrder(previous, tickBox);
    previous = tickBox;
  }
}

void AboutWindow::load() {
  assignStoredState(alwaysOnTop_, Setting::AlwaysOnTop);
  RunNowStates stored{};
  for (RunNowChoice choice : kRunNowChoices) {
    stored[size_t(choice)] = assignStoredState(box(choice), settingOf(choice));
  }
  lockOut();
  // A hand-edited store with several choices: the rules above leave the last of them
  // ticked, in load order; the bar then takes the window's five states whole, so that no
  // earlier unsaved choice stays live next to the one the window shows.
  if (holdsSeveralChoices(stored)) makeBarMirrorRunNowBoxes();
  saveAndClose_->setFocus(Qt::OtherFocusReason);
}

int AboutWindow::assignStoredState(QCheckBox* tickBox, Setting setting) {
  const int state = readTickState(store(), settingKey(setting));
  tickBox->setCheckState(checkStateOf(state));  // a change runs the box's rule here
  return state;
}

bool AboutWindow::isTicked(RunNowChoice choice) const {
  return box(choice)->checkState() == Qt::Checked;
}

void AboutWindow::applyRunNowRule(RunNowChoice choice) {
  const QList<RunNowChoice> others = othersOf(choice);
  if (isTicked(choice)) {
    bar_.setMirror(mirrorOf(choice), 1);
    for (RunNowChoice other : others) box(other)->setChecked(false);  // may run its rule
    for (RunNowChoice other : others) box(other)->setEnabled(false);
  } else {
    bar_.setMirror(mirrorOf(choice), 0);
    for (RunNowChoice other : others) box(other)->setEnabled(true);
  }
}

void AboutWindow::applyAlwaysOnTopRule() {
  const bool ticked = alwaysOnTop_->checkState() == Qt::Checked;
  bar_.setAlwaysOnTopTimerEnabled(ticked);
  bar_.setMirror(Mirror::AlwaysOnTop, ticked ? 1 : 0);
}

void AboutWindow::lockOut() {
  for (RunNowChoice choice : kRunNowChoices) {
    if (!isTicked(choice)) continue;
    for (RunNowChoice other : othersOf(choice)) box(other)->setEnabled(false);
  }
}

void AboutWindow::makeBarMirrorRunNowBoxes() {
  for (RunNowChoice choice : kRunNowChoices) {
    bar_.setMirror(mirrorOf(choice), tickStateOf(box(choice)));
  }
}

void AboutWindow::saveAndClose() {
  {
    SettingsWriteBatch batch(store());
    writeTickState(store(), settingKey(Setting::AlwaysOnTop), tickStateOf(alwaysOnTop_));
    for (RunNowChoice choice : kRunNowChoices) {
      writeTickState(store(), settingKey(settingOf(choice)), tickStateOf(box(choice)));
    }
  }
  accept();  // the close writes ABOUT_Left and ABOUT_Top
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == creator_ && event->type() == QEvent::MouseButtonDblClick) {
    creator_->setText(contactAddress());
    return true;
  }
  return SecondaryWindow::eventFilter(watched, event);
}
