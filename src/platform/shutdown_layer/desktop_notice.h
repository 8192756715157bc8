#pragma once

#include <QString>

// Shows the text as a desktop notification when a notification service runs on the
// session bus; says nothing when none does.
void showDesktopNotice(const QString& text);
