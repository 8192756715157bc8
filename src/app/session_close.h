#pragma once

#include <memory>

class SessionEndWatch;
class QWidget;

// Ends the run as the end of the user's session must: every open window closes as its
// close box would close it, from the innermost out, each writing what its close writes;
// then the bar closes, which writes its unload and ends the program. Every write is on
// disk when this returns; nothing is cancelled.
void closeForSessionEnd(QWidget& bar);

// Runs closeForSessionEnd when the session manager asks the program to commit its data
// (Windows' WM_QUERYENDSESSION, the X session manager) and when the platform's own watch
// sees the session end. Watching lasts as long as the returned watch.
std::unique_ptr<SessionEndWatch> closeAtSessionEnd(QWidget& bar);
