// Tells the bar that the session ends, the way Windows does at log-off: WM_QUERYENDSESSION,
// then WM_ENDSESSION with "the session ends" set. Exit status: 0 when sent, 2 when no
// window titled "OL-HALTDECK" exists.
#include <windows.h>

int main() {
  HWND bar = FindWindowW(nullptr, L"OL-HALTDECK");
  if (bar == nullptr) return 2;
  DWORD_PTR answer = 0;
  constexpr UINT kTimeoutMs = 5000;
  SendMessageTimeoutW(bar, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, kTimeoutMs,
                      &answer);
  SendMessageTimeoutW(bar, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, kTimeoutMs,
                      &answer);
  return 0;
}
