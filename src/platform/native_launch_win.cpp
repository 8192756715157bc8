#include <windows.h>

#include <vector>

#include "platform/native_launch.h"

void launchNativeCommandLine(const std::wstring& commandLine, WindowStyle style,
                             const std::wstring& /*shutdownProgram*/) {
  // CreateProcessW may write into the command line buffer, so it gets a copy.
  std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back(L'\0');

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(style == WindowStyle::Hidden ? SW_HIDE : SW_SHOWNORMAL);

  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return;  // nobody expects a result; the caller goes on as if it had started
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}
