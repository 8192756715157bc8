// The bar's always-on-top step with the real window manager calls (GetForegroundWindow,
// SetWindowPos) on real windows of this test: one stands in for the bar, the other for
// a window of another program that keeps itself above all others.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "app/always_on_top.h"
#include "platform/window_manager.h"

namespace {

// Every z-order or position change a test window is asked for, in the order asked.
struct PositionRequest {
  HWND window;
  HWND insertAfter;
  UINT flags;
};
std::vector<PositionRequest> requests;

LRESULT CALLBACK recordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_WINDOWPOSCHANGING) {
    const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    requests.push_back({window, position->hwndInsertAfter, position->flags});
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* windowClass() {
  static const wchar_t* name = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = recordingWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"HaltdeckTestWindow";
    RegisterClassW(&windowClass);
    return windowClass.lpszClassName;
  }();
  return name;
}

void processPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

struct WindowDeleter {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

Window showWindow(const wchar_t* title, DWORD exStyle, DWORD style, RECT place) {
  HWND window = CreateWindowExW(exStyle, windowClass(), title, style, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  processPendingMessages();
  return Window(window);
}

bool isTopmost(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

RECT placeOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool samePlace(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// True when `upper` comes before `lower` in the z-order of top-level windows.
bool isAbove(HWND upper, HWND lower) {
  for (HWND window = GetWindow(upper, GW_HWNDNEXT); window; window = GetWindow(window, GW_HWNDNEXT))
    if (window == lower) return true;
  return false;
}

// The topmost window helper, running as a program of its own while this object lives.
class OtherProgram {
 public:
  OtherProgram() {
    const std::wstring prefix = L"haltdeck-window-" + std::to_wstring(GetCurrentProcessId());
    ready_ = CreateEventW(nullptr, TRUE, FALSE, (prefix + L"-ready").c_str());
    release_ = CreateEventW(nullptr, TRUE, FALSE, (prefix + L"-release").c_str());
    SetEnvironmentVariableW(L"HALTDECK_WINDOW_EVENTS", prefix.c_str());
    wchar_t commandLine[] = L"haltdeck-topmost-window";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    started_ = CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process_);
    SetEnvironmentVariableW(L"HALTDECK_WINDOW_EVENTS", nullptr);
  }
  ~OtherProgram() {
    SetEvent(release_);
    if (started_) {
      WaitForSingleObject(process_.hProcess, 20000);
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
    }
    CloseHandle(ready_);
    CloseHandle(release_);
  }
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;

  bool waitUntilReady() { return started_ && WaitForSingleObject(ready_, 20000) == WAIT_OBJECT_0; }
  DWORD processId() const { return process_.dwProcessId; }

 private:
  HANDLE ready_ = nullptr;
  HANDLE release_ = nullptr;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

DWORD processOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

NativeWindow native(HWND window) {
  return reinterpret_cast<NativeWindow>(window);
}

class AlwaysOnTopStep : public ::testing::Test {
 protected:
  void SetUp() override {
    bar_ = showWindow(L"OL-HALTDECK", WS_EX_TOOLWINDOW, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      {40, 30, 201, 93});
    other_ = showWindow(L"another program", 0, WS_OVERLAPPEDWINDOW, {120, 60, 520, 360});
    SetWindowPos(other_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    processPendingMessages();
    requests.clear();
  }

  void bringToForeground(HWND window) {
    SetForegroundWindow(window);
    processPendingMessages();
    requests.clear();
  }

  void runStep() {
    alwaysOnTopStep(*windowManager_, native(bar_.get()));
    processPendingMessages();
  }

  std::unique_ptr<WindowManager> windowManager_ = createPlatformWindowManager();
  Window bar_;
  Window other_;
};

}  // namespace

TEST_F(AlwaysOnTopStep, DemotesTheForegroundWindowThenRaisesTheBarWithoutMovingEither) {
  bringToForeground(other_.get());
  ASSERT_EQ(GetForegroundWindow(), other_.get());
  ASSERT_TRUE(isTopmost(other_.get()));
  ASSERT_FALSE(isTopmost(bar_.get()));
  const RECT barBefore = placeOf(bar_.get());
  const RECT otherBefore = placeOf(other_.get());

  runStep();

  EXPECT_FALSE(isTopmost(other_.get()));
  EXPECT_TRUE(isTopmost(bar_.get()));
  EXPECT_TRUE(isAbove(bar_.get(), other_.get()));
  EXPECT_TRUE(samePlace(placeOf(bar_.get()), barBefore));
  EXPECT_TRUE(samePlace(placeOf(other_.get()), otherBefore));

  ASSERT_GE(requests.size(), 2u);
  EXPECT_EQ(requests.front().window, other_.get());
  EXPECT_EQ(requests.front().insertAfter, HWND_NOTOPMOST);
  EXPECT_EQ(requests.back().window, bar_.get());
  EXPECT_EQ(requests.back().insertAfter, HWND_TOPMOST);
  for (const PositionRequest& request : requests) {
    EXPECT_EQ(request.flags & (SWP_NOMOVE | SWP_NOSIZE), UINT{SWP_NOMOVE | SWP_NOSIZE});
  }
}

TEST_F(AlwaysOnTopStep, LeavesEveryWindowAloneWhileTheBarIsInTheForeground) {
  bringToForeground(bar_.get());
  ASSERT_EQ(GetForegroundWindow(), bar_.get());

  runStep();

  EXPECT_TRUE(requests.empty());
  EXPECT_TRUE(isTopmost(other_.get()));
  EXPECT_FALSE(isTopmost(bar_.get()));
}

TEST_F(AlwaysOnTopStep, KeepsTheBarOnTopWhenRunAgain) {
  bringToForeground(other_.get());
  runStep();
  const RECT barBefore = placeOf(bar_.get());
  bringToForeground(other_.get());
  SetWindowPos(other_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  processPendingMessages();

  runStep();

  EXPECT_FALSE(isTopmost(other_.get()));
  EXPECT_TRUE(isTopmost(bar_.get()));
  EXPECT_TRUE(isAbove(bar_.get(), other_.get()));
  EXPECT_TRUE(samePlace(placeOf(bar_.get()), barBefore));
}

TEST_F(AlwaysOnTopStep, DemotesATopmostWindowOfAnotherProgram) {
  OtherProgram otherProgram;
  ASSERT_TRUE(otherProgram.waitUntilReady());
  HWND foreign = GetForegroundWindow();
  ASSERT_EQ(processOf(foreign), otherProgram.processId());
  ASSERT_TRUE(isTopmost(foreign));
  const RECT foreignBefore = placeOf(foreign);
  const RECT barBefore = placeOf(bar_.get());

  runStep();

  EXPECT_FALSE(isTopmost(foreign));
  EXPECT_TRUE(isTopmost(bar_.get()));
  EXPECT_TRUE(isAbove(bar_.get(), foreign));
  EXPECT_TRUE(samePlace(placeOf(foreign), foreignBefore));
  EXPECT_TRUE(samePlace(placeOf(bar_.get()), barBefore));
}
