#include "settings_window/about_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "settings/typed_settings.h"
#include "widgets/bar_state.h"
#include "widgets/layout_controls.h"
#include "widgets/title_row.h"

namespace {

// The layout, in twips of the client area (6630 x 3285).
constexpr ControlSpec kTitles[] = {
    {"OL_TITLE_1", "OAK-LANTERN", {120, 120, 1815, 375}},
    {"OL_TITLE_2", "OL-HALTDECK", {2040, 120, 1815, 375}},
    {"OL_TITLE_3", "OL-HD", {3960, 120, 975, 375}},
    {"VERSION_TEXTBOX", "Version " HALTDECK_VERSION, {5040, 120, 1455, 375}},
};
constexpr TwipsRect kCreatorRect{120, 600, 4215, 375};
constexpr ControlSpec kIconsLabel{
    "ICONS_WEBLINK_LABEL", "Some Base Icons Used", {240, 1080, 1815, 255}};
constexpr TwipsRect kIconsAddressRect{2040, 1080, 4335, 285};
// Line1, the separator from 120, 1440 to 6480, 1440.
constexpr int kLineLeft = 120;
constexpr int kLineRight = 6480;
constexpr int kLineY = 1440;
constexpr ControlSpec kFrame{"RUN_NOW_SELECTOR_FRAME", "Run Now Button", {480, 1560, 3015, 1455}};
constexpr TwipsRect kAlwaysOnTopRect{4320, 1680, 1455, 255};
constexpr ControlSpec kSaveAndClose{"SAVE_AND_CLOSE_BUTTON",
                                    "Save && Close",  // "&&": no access key
                                    {4200, 2160, 1695, 735}};

// The five run-now check boxes, in the order of kRunNowSettings; each is named after the
// settings key it holds. Their rectangles are in the client area, like every other control's.
struct RunNowBox {
  Setting runNow;
  const char* caption;
  TwipsRect rect;
};
constexpr RunNowBox kRunNowBoxes[] = {
    {Setting::RunNowShutdown, "Shutdown", {600, 1920, 1095, 255}},
    {Setting::RunNowRestart, "Restart", {600, 2280, 855, 255}},
    {Setting::RunNowHibernate, "Hibernate", {600, 2640, 1095, 255}},
    {Setting::RunNowLogoff, "Logoff", {2160, 1920, 855, 255}},
    {Setting::RunNowAlwaysAsk, "Always Ask", {2160, 2280, 1215, 255}},
};
static_assert(std::size(kRunNowBoxes) == std::size(kRunNowSettings));

size_t runNowIndex(Setting runNow) {
  return size_t(std::find(std::begin(kRunNowSettings), std::end(kRunNowSettings), runNow) -
                std::begin(kRunNowSettings));
}

// The other four choices, in order.
QList<Setting> othersOf(Setting runNow) {
  QList<Setting> others;
  for (Setting other : kRunNowSettings) {
    if (other != runNow) others.append(other);
  }
  return others;
}

QString keyNameOf(Setting setting) {
  return settingKey(setting).name;
}

// The boxes are two-state: only a stored 1 ticks one; a greyed 2 shows clear.
Qt::CheckState checkStateOf(int tickState) {
  return tickState == 1 ? Qt::Checked : Qt::Unchecked;
}

int tickStateOf(const QCheckBox* box) {
  return box->checkState() == Qt::Checked ? 1 : 0;
}

}  // namespace

AboutWindow::AboutWindow(BarState& bar, SettingsStore& store, QWidget* owner)
    : SecondaryWindow(store, WindowId::About, owner), bar_(bar) {
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
  addTitleLabels(this, kTitles);
}

void AboutWindow::buildCredits() {
  creator_ = addTitleLabel(this, {"CREATOR_TEXTBOX", "", kCreatorRect});
  creator_->setText(creditLine());
  creator_->installEventFilter(this);

  addLabel(this, kIconsLabel, Qt::AlignLeft | Qt::AlignVCenter);
  QLineEdit* iconsAddress = addTextBox(this, {"ICONS_WEBLINK_TEXTBOX", "", kIconsAddressRect});
  iconsAddress->setText(iconSetAddress());
  iconsAddress->setFocusPolicy(Qt::ClickFocus);  // editable, but Tab passes it by
  iconsAddress->setCursorPosition(0);

  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("Line1"));
  line->setFrameStyle(QFrame::HLine | QFrame::Plain);
  line->setGeometry(twipsToPixels(kLineLeft), twipsToPixels(kLineY),
                    twipsToPixels(kLineRight - kLineLeft), 1);
}

void AboutWindow::buildChoices() {
  auto* frame = new QGroupBox(QLatin1String(kFrame.text), this);
  placeControl(frame, kFrame);
  for (const RunNowBox& entry : kRunNowBoxes) {
    QCheckBox* tickBox = addCheckBox(frame, keyNameOf(entry.runNow), QLatin1String(entry.caption),
                                     insideFrame(entry.rect, kFrame.rect));
    runNowBoxes_[runNowIndex(entry.runNow)] = tickBox;
    connect(tickBox, &QCheckBox::stateChanged, this,
            [this, runNow = entry.runNow] { applyRunNowRule(runNow); });
  }

  alwaysOnTop_ = addCheckBox(this, keyNameOf(Setting::AlwaysOnTop), QStringLiteral("Always On Top"),
                             kAlwaysOnTopRect);
  alwaysOnTop_->setChecked(true);
  connect(alwaysOnTop_, &QCheckBox::stateChanged, this, &AboutWindow::applyAlwaysOnTopRule);
}

void AboutWindow::buildSaveButton() {
  saveAndClose_ = new QPushButton(QLatin1String(kSaveAndClose.text), this);
  placeControl(saveAndClose_, kSaveAndClose);
  saveAndClose_->setDefault(true);
  connect(saveAndClose_, &QPushButton::clicked, this, &AboutWindow::saveAndClose);
}

void AboutWindow::chainTabOrder() {
  QList<QWidget*> order{saveAndClose_, alwaysOnTop_};
  for (QCheckBox* tickBox : runNowBoxes_) order.append(tickBox);
  ::chainTabOrder(order);
}

void AboutWindow::load() {
  assignStoredState(alwaysOnTop_, Setting::AlwaysOnTop);
  int storedChoices = 0;
  for (Setting runNow : kRunNowSettings) {
    if (assignStoredState(box(runNow), runNow) == 1) ++storedChoices;
  }
  lockOut();
  // A hand-edited store with several choices: the rules above leave the last of them
  // ticked, in load order; the bar then takes the window's five states whole, so that no
  // earlier unsaved choice stays live next to the one the window shows.
  if (storedChoices > 1) makeBarMirrorRunNowBoxes();
  saveAndClose_->setFocus(Qt::OtherFocusReason);
}

int AboutWindow::assignStoredState(QCheckBox* tickBox, Setting setting) {
  const int state = readTickState(store(), settingKey(setting));
  tickBox->setCheckState(checkStateOf(state));  // a change runs the box's rule here
  return state;
}

QCheckBox* AboutWindow::box(Setting runNow) const {
  return runNowBoxes_[runNowIndex(runNow)];
}

bool AboutWindow::isTicked(Setting runNow) const {
  return box(runNow)->checkState() == Qt::Checked;
}

void AboutWindow::applyRunNowRule(Setting runNow) {
  const QList<Setting> others = othersOf(runNow);
  if (isTicked(runNow)) {
    bar_.setMirror(runNow, 1);
    for (Setting other : others) box(other)->setChecked(false);  // may run its rule
    for (Setting other : others) box(other)->setEnabled(false);
  } else {
    bar_.setMirror(runNow, 0);
    for (Setting other : others) box(other)->setEnabled(true);
  }
}

void AboutWindow::applyAlwaysOnTopRule() {
  const bool ticked = alwaysOnTop_->checkState() == Qt::Checked;
  bar_.setAlwaysOnTopTimerEnabled(ticked);
  bar_.setMirror(Setting::AlwaysOnTop, ticked ? 1 : 0);
}

void AboutWindow::lockOut() {
  for (Setting runNow : kRunNowSettings) {
    if (!isTicked(runNow)) continue;
    for (Setting other : othersOf(runNow)) box(other)->setEnabled(false);
  }
}

void AboutWindow::makeBarMirrorRunNowBoxes() {
  for (Setting runNow : kRunNowSettings) bar_.setMirror(runNow, tickStateOf(box(runNow)));
}

void AboutWindow::saveAndClose() {
  {
    SettingsWriteBatch batch(store());
    writeTickState(store(), settingKey(Setting::AlwaysOnTop), tickStateOf(alwaysOnTop_));
    for (Setting runNow : kRunNowSettings) {
      writeTickState(store(), settingKey(runNow), tickStateOf(box(runNow)));
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
