#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// What the probe found when it started.
struct ProbeRecord {
  std::uint32_t startupFlags = 0;
  std::uint32_t showWindow = 0;
  std::uint32_t processId = 0;
  std::uint32_t threadId = 0;
  std::wstring commandLine;
};

// One start of the probe as the test sees it: the record file and the named events the
// probe reports through, and the environment that tells the probe about them. The
// launcher passes its own environment on, so every process it starts while a session
// lives reports to that session. A gated session holds the probe until release().
class ProbeSession {
 public:
  enum class Gate { Open, Held };
  explicit ProbeSession(Gate gate = Gate::Open);
  ~ProbeSession();
  ProbeSession(const ProbeSession&) = delete;
  ProbeSession& operator=(const ProbeSession&) = delete;

  // The probe's program name as a launched command line carries it in place of shutdown:
  // no directory, found by the usual search (the test program's own folder comes first).
  static std::wstring programName() { return L"haltdeck-probe"; }

  bool waitUntilRecorded(DWORD milliseconds);
  std::optional<ProbeRecord> record() const;
  void release();
  bool waitUntilEnded(DWORD milliseconds);
  // "released", "timed out" or "not gated"; empty before the probe has ended.
  std::string ending() const;

 private:
  std::wstring prefix_;
  std::wstring recordPath_;
  HANDLE recorded_ = nullptr;
  HANDLE release_ = nullptr;
  HANDLE ended_ = nullptr;
};

// Generous bounds for a probe under Wine; the tests never wait this long when they pass.
constexpr DWORD kProbeStartMs = 20000;
constexpr DWORD kProbeEndMs = 20000;
