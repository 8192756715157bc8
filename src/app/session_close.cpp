#include "app/session_close.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "platform/session_end.h"

void closeForSessionEnd(QWidget& bar) {
  // Every other window is modal over the bar or over a window the bar owns, so the
  // active modal window is always the innermost one still open.
  while (QWidget* window = QApplication::activeModalWidget()) {
    if (window == &bar || !window->close()) break;
  }
  bar.close();
}

std::unique_ptr<SessionEndWatch> closeAtSessionEnd(QWidget& bar) {
  const QPointer<QWidget> guarded(&bar);
  const auto end = [guarded] {
    if (guarded) closeForSessionEnd(*guarded);
  };
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &bar, end, Qt::DirectConnection);
  return watchSessionEnd(end);
}
