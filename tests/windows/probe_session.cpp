#include "probe_session.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::wstring uniquePrefix() {
  static unsigned counter = 0;
  return L"haltdeck-probe-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter);
}

std::wstring temporaryFolder() {
  wchar_t path[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, path);
  return std::wstring(path, length);
}

HANDLE createEvent(const std::wstring& name) {
  return CreateEventW(nullptr, TRUE, FALSE, name.c_str());
}

std::string readFile(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) return {};
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

ProbeSession::ProbeSession(Gate gate)
    : prefix_(uniquePrefix()), recordPath_(temporaryFolder() + prefix_ + L".rec") {
  recorded_ = createEvent(prefix_ + L"-recorded");
  ended_ = createEvent(prefix_ + L"-ended");
  if (gate == Gate::Held) release_ = createEvent(prefix_ + L"-release");
  SetEnvironmentVariableW(L"HALTDECK_PROBE_RECORD", recordPath_.c_str());
  SetEnvironmentVariableW(L"HALTDECK_PROBE_EVENTS", prefix_.c_str());
}

ProbeSession::~ProbeSession() {
  // A probe still held must not wait out its full bound after the test has gone.
  release();
  if (WaitForSingleObject(recorded_, 0) == WAIT_OBJECT_0) WaitForSingleObject(ended_, kProbeEndMs);
  SetEnvironmentVariableW(L"HALTDECK_PROBE_RECORD", nullptr);
  SetEnvironmentVariableW(L"HALTDECK_PROBE_EVENTS", nullptr);
  for (HANDLE event : {recorded_, release_, ended_})
    if (event) CloseHandle(event);
  DeleteFileW(recordPath_.c_str());
  DeleteFileW((recordPath_ + L".end").c_str());
}

bool ProbeSession::waitUntilRecorded(DWORD milliseconds) {
  return WaitForSingleObject(recorded_, milliseconds) == WAIT_OBJECT_0;
}

std::optional<ProbeRecord> ProbeSession::record() const {
  const std::string bytes = readFile(recordPath_);
  std::uint32_t header[4];
  if (bytes.size() < sizeof(header)) return std::nullopt;
  CopyMemory(header, bytes.data(), sizeof(header));
  ProbeRecord record{header[0], header[1], header[2], header[3], {}};
  const std::string text = bytes.substr(sizeof(header));
  record.commandLine.resize(text.size() / sizeof(wchar_t));
  CopyMemory(record.commandLine.data(), text.data(), record.commandLine.size() * sizeof(wchar_t));
  return record;
}

void ProbeSession::release() {
  if (release_) SetEvent(release_);
}

bool ProbeSession::waitUntilEnded(DWORD milliseconds) {
  return WaitForSingleObject(ended_, milliseconds) == WAIT_OBJECT_0;
}

std::string ProbeSession::ending() const {
  return readFile(recordPath_ + L".end");
}
