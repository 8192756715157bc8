// Stands in for the shutdown command in the launcher's tests under Wine. It records what it
// was started with: its raw command line (GetCommandLineW) and the show-window request of
// its STARTUPINFO. It never shuts anything down.
//
// The test steers it through the environment it inherits:
//   HALTDECK_PROBE_RECORD  file that receives the record (written whole, then renamed)
//   HALTDECK_PROBE_EVENTS  prefix of named events the test may have created:
//     <prefix>-recorded  set once the record is in place
//     <prefix>-release   if it exists, the probe waits for it (bounded) before it ends
//     <prefix>-ended     set just before the probe ends, after <record>.end is written
#include <windows.h>

#include <cstdint>
#include <string>

namespace {

constexpr DWORD kReleaseWaitMs = 15000;

std::wstring environmentValue(const wchar_t* name) {
  wchar_t value[MAX_PATH * 2];
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) return {};
  return std::wstring(value, length);
}

bool writeWholeFile(const std::wstring& path, const void* data, DWORD size) {
  const std::wstring partial = path + L".part";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, data, size, &written, nullptr) && written == size;
  CloseHandle(file);
  return ok && MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

// Record layout: four uint32 (STARTUPINFO.dwFlags, STARTUPINFO.wShowWindow, the process id,
// the main thread id), then the command line as UTF-16 code units, without a terminator.
bool writeRecord(const std::wstring& path) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  GetStartupInfoW(&startup);
  const std::wstring commandLine = GetCommandLineW();

  const std::uint32_t header[4] = {startup.dwFlags, startup.wShowWindow, GetCurrentProcessId(),
                                   GetCurrentThreadId()};
  std::string bytes(sizeof(header), '\0');
  CopyMemory(bytes.data(), header, sizeof(header));
  bytes.append(reinterpret_cast<const char*>(commandLine.data()),
               commandLine.size() * sizeof(wchar_t));
  return writeWholeFile(path, bytes.data(), static_cast<DWORD>(bytes.size()));
}

void setEvent(const std::wstring& name) {
  HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name.c_str());
  if (!event) return;
  SetEvent(event);
  CloseHandle(event);
}

// Waits for the test's release event when there is one; says how the wait ended.
std::string awaitRelease(const std::wstring& name) {
  HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, name.c_str());
  if (!event) return "not gated";
  const DWORD result = WaitForSingleObject(event, kReleaseWaitMs);
  CloseHandle(event);
  return result == WAIT_OBJECT_0 ? "released" : "timed out";
}

}  // namespace

int main() {
  const std::wstring record = environmentValue(L"HALTDECK_PROBE_RECORD");
  const std::wstring events = environmentValue(L"HALTDECK_PROBE_EVENTS");
  if (record.empty() || events.empty()) return 2;
  if (!writeRecord(record)) return 3;
  setEvent(events + L"-recorded");

  const std::string ending = awaitRelease(events + L"-release");
  if (!writeWholeFile(record + L".end", ending.data(), static_cast<DWORD>(ending.size()))) return 4;
  setEvent(events + L"-ended");
  return 0;
}
