// A window of another program for the always-on-top tests: it shows a window that keeps
// itself above all others, brings it to the foreground, sets <prefix>-ready and stays
// until <prefix>-release is set (or a bound runs out). The prefix comes from
// HALTDECK_WINDOW_EVENTS.
#include <windows.h>

#include <string>

namespace {

constexpr DWORD kStayMs = 20000;

HANDLE openEvent(const std::wstring& name) {
  return OpenEventW(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, name.c_str());
}

HWND showTopmostWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"HaltdeckOtherProgram";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"another program",
                                WS_OVERLAPPEDWINDOW, 300, 200, 400, 300, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  SetForegroundWindow(window);
  return window;
}

void processPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Keeps answering the window's messages (another program's SetWindowPos on it waits for
// them) until the release event is set.
void stayUntilReleased(HANDLE release) {
  const ULONGLONG deadline = GetTickCount64() + kStayMs;
  for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
    const DWORD woken = MsgWaitForMultipleObjects(1, &release, FALSE,
                                                  static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    if (woken != WAIT_OBJECT_0 + 1) return;
    processPendingMessages();
  }
}

}  // namespace

int main() {
  wchar_t prefix[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"HALTDECK_WINDOW_EVENTS", prefix, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 2;
  HANDLE ready = openEvent(std::wstring(prefix) + L"-ready");
  HANDLE release = openEvent(std::wstring(prefix) + L"-release");
  if (!ready || !release) return 3;

  HWND window = showTopmostWindow();
  processPendingMessages();
  SetEvent(ready);
  stayUntilReleased(release);
  DestroyWindow(window);
  CloseHandle(ready);
  CloseHandle(release);
  return 0;
}
