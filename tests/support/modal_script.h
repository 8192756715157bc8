#pragma once

#include <QString>
#include <QWidget>
#include <functional>

// Acts on modal windows that code under test opens with a nested event loop. Each step
// waits for a visible modal window with the given object name, then runs its action
// (which usually closes it); steps run in the order they were added. A window that never
// appears fails the test after a few seconds and is closed so the test cannot hang.
class ModalScript {
 public:
  using Action = std::function<void(QWidget* window)>;

  ModalScript& then(const QString& windowName, Action action);
  // Starts polling; call before the click that opens the first window.
  void start();
  bool finished() const { return next_ >= steps_.size(); }

  ~ModalScript();

 private:
  void poll();

  struct Step {
    QString windowName;
    Action action;
  };
  QList<Step> steps_;
  qsizetype next_ = 0;
  int elapsedMs_ = 0;
  class QTimer* timer_ = nullptr;
};

// Finds a child control by object name, failing loudly when it is missing.
template <typename T>
T* control(QWidget* window, const QString& name) {
  T* child = window->findChild<T*>(name);
  if (!child) qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
  return child;
}
