#pragma once

#include <QDialog>
#include <QPointer>

#include "settings/key_catalogue.h"

class QPushButton;
class SettingsStore;

// A fixed-size window with a close box, opened modally over its owner. Every opening is a
// fresh instance: placement first, then the window's own load, then shown; every close
// (any button, the close box, Esc) writes the window's Left and Top.
class SecondaryWindow : public QDialog {
  Q_OBJECT

 public:
  // Loads and shows the window modally; returns once it has closed.
  void openModal();

 protected:
  // Takes the window's object name and caption from widgets/window_names.h.
  SecondaryWindow(SettingsStore& store, WindowId id, QWidget* owner);

  // The window's own load steps, run after its placement and before it is shown.
  virtual void load() {}

  // The button that Enter (when no other button has the focus) and Esc press, and that has
  // the focus when the window opens.
  void setCloseButton(QPushButton* button);

  // What a Cancel or Close button does: write Left and Top, then close (the close writes
  // them again).
  void writePositionAndClose();

  SettingsStore& store() { return store_; }

  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  SettingsStore& store_;
  WindowId id_;
  QPointer<QPushButton> closeButton_;
};

// Creates a fresh window owned by owner, opens it modally and deletes it after it closed.
template <typename Window, typename... Args>
void openWindow(QWidget* owner, Args&&... args) {
  QPointer<Window> window = new Window(std::forward<Args>(args)..., owner);
  window->openModal();
  delete window.data();  // null when the owner went first and took the window with it
}
