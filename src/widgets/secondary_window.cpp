#include "widgets/secondary_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include "widgets/fonts.h"
#include "widgets/window_geometry.h"
#include "widgets/window_names.h"

namespace {
constexpr double kDialogPoints = 8;
}  // namespace

SecondaryWindow::SecondaryWindow(SettingsStore& store, WindowId id, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      store_(store),
      id_(id) {
  setObjectName(QLatin1String(windowObjectName(id)));
  setWindowTitle(QLatin1String(windowCaption(id)));
  setModal(true);
  // Captions are laid out in twips for a small sans-serif body font; the desktop's default
  // font may be wider and would cut them off.
  setFont(arialFont(kDialogPoints, false));
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
