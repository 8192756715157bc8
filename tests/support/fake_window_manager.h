#pragma once

#include <QStringList>

#include "platform/window_manager.h"

// Answers the foreground query with a set window and records every call in order.
class FakeWindowManager : public WindowManager {
 public:
  NativeWindow foregroundWindow() override {
    calls.append(QStringLiteral("foreground"));
    return foreground;
  }
  void demoteFromTopmost(NativeWindow window) override {
    calls.append(QStringLiteral("demote %1").arg(window));
  }
  void raiseToTopmost(NativeWindow window) override {
    calls.append(QStringLiteral("raise %1").arg(window));
  }

  NativeWindow foreground = 0;
  QStringList calls;
};
