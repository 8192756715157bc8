#pragma once

#include <functional>
#include <memory>

// Watches for the end of the user's session where the operating system ends it by a
// means that Qt does not report as QGuiApplication::commitDataRequest. Watching stops
// when the watch is destroyed.
class SessionEndWatch {
 public:
  virtual ~SessionEndWatch() = default;
};

// onEnd runs once, from the event loop of the user-interface thread (a modal window's
// nested loop included), never from inside a signal handler.
std::unique_ptr<SessionEndWatch> watchSessionEnd(std::function<void()> onEnd);
