#include "modal_script.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTimer>

namespace {
constexpr int kPollMs = 1;
constexpr int kGiveUpMs = 5000;
}  // namespace

ModalScript& ModalScript::then(const QString& windowName, Action action) {
  steps_.append({windowName, std::move(action)});
  return *this;
}

void ModalScript::start() {
  if (!timer_) {
    timer_ = new QTimer(qApp);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { poll(); });
  }
  timer_->start(kPollMs);
}

void ModalScript::poll() {
  if (finished()) {
    timer_->stop();
    return;
  }
  QWidget* modal = QApplication::activeModalWidget();
  const Step& step = steps_[next_];
  if (modal && modal->isVisible() && modal->objectName() == step.windowName) {
    elapsedMs_ = 0;
    ++next_;
    step.action(modal);
    return;
  }
  elapsedMs_ += kPollMs;
  if (elapsedMs_ > kGiveUpMs) {
    ADD_FAILURE() << "window " << step.windowName.toStdString() << " did not open";
    next_ = steps_.size();
    if (modal) modal->close();
  }
}

ModalScript::~ModalScript() {
  delete timer_;
}
