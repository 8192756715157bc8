#include "app/secondary_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include "app/twips.h"
#include "settings/window_placement.h"

namespace {
constexpr double kBodyPointSize = 8;
}  // namespace

SecondaryWindow::SecondaryWindow(SettingsStore& store, WindowId id, const QString& objectName,
                                 const QString& caption, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      store_(store),
      id_(id) {
  setObjectName(objectName);
  setWindowTitle(caption);
  setModal(true);
  // Captions are laid out in twips for a small sans-serif body font; the desktop's default
  // font may be wider and would cut them off.
  setFont(arialFont(kBodyPointSize, false));
}

void SecondaryWindow::openModal() {
  applyPlacement(*this, id_, readPlacement(store_, id_));
  load();
  if (closeButton_) closeButton_->setFocus(Qt::OtherFocusReason);
  exec();
}

void SecondaryWindow::setCloseButton(QPushButton* button) {
  closeButton_ = button;
  button->setDefault(true);
}

void SecondaryWindow::writePositionAndClose() {
  writeWindowPosition(store_, id_, *this);
  close();
}

void SecondaryWindow::done(int result) {
  if (isVisible()) writeWindowPosition(store_, id_, *this);
  QDialog::done(result);
}

void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
  // Esc presses the close button, which may write more than a plain close does.
  if (closeButton_ && event->matches(QKeySequence::Cancel)) {
    closeButton_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}
