#include "layout_check.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextEdit>

#include "modal_script.h"
#include "qt_printers.h"

namespace {

std::optional<Qt::Alignment> alignmentOf(QWidget* widget) {
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->alignment();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->alignment();
  if (auto* box = qobject_cast<QTextEdit*>(widget)) {
    return box->document()->firstBlock().blockFormat().alignment();
  }
  return std::nullopt;
}

QString colourName(const QColor& colour) {
  return colour.name(QColor::HexRgb).toUpper();
}

void expectColour(QWidget* widget, QWidget* window, QPalette::ColorRole role,
                  const QString& expected, const char* what) {
  const QColor shown = widget->palette().color(QPalette::Active, role);
  const QColor wanted =
      expected.isEmpty() ? window->palette().color(QPalette::Active, role) : QColor(expected);
  EXPECT_EQ(colourName(shown), colourName(wanted)) << what;
}

void expectFont(QWidget* widget, QWidget* window, const ExpectedLook& look) {
  const QFont font = widget->font();
  if (look.family.isEmpty()) {
    EXPECT_EQ(font.toString(), window->font().toString()) << "not the window's font";
    return;
  }
  EXPECT_EQ(font.family(), look.family);
  EXPECT_DOUBLE_EQ(font.pointSizeF(), look.points);
  EXPECT_EQ(font.weight(), look.weight);
}

void expectLook(QWidget* widget, QWidget* window, const ExpectedLook& look) {
  widget->ensurePolished();
  expectFont(widget, window, look);
  expectColour(widget, window, widget->foregroundRole(), look.textColour, "text colour");
  expectColour(widget, window, widget->backgroundRole(), look.background, "background");
  if (look.alignment) {
    const std::optional<Qt::Alignment> alignment = alignmentOf(widget);
    ASSERT_TRUE(alignment) << "a control without an alignment";
    EXPECT_EQ(int(*alignment & Qt::AlignHorizontal_Mask), int(*look.alignment));
  }
}

}  // namespace

QString shownText(QWidget* widget) {
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
  if (auto* box = qobject_cast<QTextEdit*>(widget)) return box->toPlainText();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  return {};
}

void expectLayout(QWidget* window, const QList<ExpectedControl>& controls) {
  window->ensurePolished();
  for (const ExpectedControl& expected : controls) {
    SCOPED_TRACE(expected.name.toStdString());
    QWidget* widget = control<QWidget>(window, expected.name);
    // Rectangles are in the client area, also for a control inside a frame.
    EXPECT_EQ(QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()), toPixels(expected.rect));
    EXPECT_EQ(shownText(widget), expected.text);
    expectLook(widget, window, expected.look);
  }
}
