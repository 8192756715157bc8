#include "layout_check.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "modal_script.h"
#include "qt_printers.h"

QString shownText(QWidget* widget) {
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
  if (auto* box = qobject_cast<QTextEdit*>(widget)) return box->toPlainText();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  return {};
}

void expectLayout(QWidget* window, const QList<ExpectedControl>& controls) {
  for (const ExpectedControl& expected : controls) {
    SCOPED_TRACE(expected.name.toStdString());
    QWidget* widget = control<QWidget>(window, expected.name);
    // Rectangles are in the client area, also for a control inside a frame.
    EXPECT_EQ(QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()), toPixels(expected.rect));
    EXPECT_EQ(shownText(widget), expected.text);
  }
}
