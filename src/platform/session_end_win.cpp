#include "platform/session_end.h"

// Windows ends a session with WM_QUERYENDSESSION and WM_ENDSESSION, which Qt delivers as
// QGuiApplication::commitDataRequest: there is nothing more to watch.
std::unique_ptr<SessionEndWatch> watchSessionEnd(std::function<void()>) {
  return std::make_unique<SessionEndWatch>();
}
