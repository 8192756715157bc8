// Every command line the program launches, local or remote, reaches the started program
// unchanged. SAFETY: the program name shutdown (or shutdown.exe) at the head of each line is
// swapped for the probe's before the launch; the rest of the line goes out byte for byte.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/native_launch.h"
#include "probe_session.h"
#include "utf8.h"

namespace {

// The local command lines: the four of the action catalogue and the bar's dialog line.
const std::wstring kLocalLines[] = {
    L"shutdown /s /t 0", L"shutdown /g /f /t 0", L"shutdown /h", L"shutdown /l", L"shutdown.exe /i",
};

// The remote lines, built the way the remote rules build them: prefix, name, " /t ",
// timeout for a run; the abort prefix and the name for an abort. Nothing quoted or trimmed.
const std::wstring kRunPrefixes[] = {
    L"shutdown /s /m \\\\",
    L"shutdown /g /m \\\\",
    L"shutdown /s /f /m \\\\",
    L"shutdown /g /f /m \\\\",
};
const std::wstring kAbortPrefix = L"shutdown /a /m \\\\";

std::wstring runLine(const std::wstring& prefix, const std::wstring& name,
                     const std::wstring& timeout) {
  return prefix + name + L" /t " + timeout;
}

const std::wstring kNames[] = {
    L"PC01",   L"",       L"PC 01",    L"\"PC 01\"", L"PC\"01",     L"\\\\PC01",
    L"\\PC01", L"PC01\\", L"PC01\\\"", L" PC01 ",    L"PC01 /f /s", L"pc-z\u00fcrich-\u6771\u4eac",
};

const std::wstring kTimeouts[] = {L"30", L"", L"0", L"315360000", L" 30 ", L"ten", L"\"5\""};

// The line as it is launched in the test: the probe's program name, then the rest of the
// line unchanged. Empty when the line does not start with the shutdown program.
std::wstring withProbeProgram(const std::wstring& line) {
  for (const std::wstring extension : {L".exe", L""}) {
    const std::wstring program = L"shutdown" + extension + L" ";
    if (line.compare(0, program.size(), program) == 0)
      return ProbeSession::programName() + extension + line.substr(program.size() - 1);
  }
  return {};
}

std::vector<std::wstring> remoteLines() {
  std::vector<std::wstring> lines;
  for (const std::wstring& name : kNames) {
    for (const std::wstring& prefix : kRunPrefixes) lines.push_back(runLine(prefix, name, L"30"));
    lines.push_back(kAbortPrefix + name);
  }
  for (const std::wstring& timeout : kTimeouts)
    lines.push_back(runLine(kRunPrefixes[0], L"PC01", timeout));
  return lines;
}

// Launches every line at once, each to a probe of its own, then reads what arrived.
void expectEachLineArrivesUnchanged(const std::vector<std::wstring>& lines) {
  std::vector<std::unique_ptr<ProbeSession>> probes;
  std::vector<std::wstring> launched;
  for (const std::wstring& line : lines) {
    const std::wstring probeLine = withProbeProgram(line);
    ASSERT_EQ(probeLine.compare(0, ProbeSession::programName().size(), ProbeSession::programName()),
              0)
        << "refusing to launch " << utf8(line);
    probes.push_back(std::make_unique<ProbeSession>());
    launchNativeCommandLine(probeLine, WindowStyle::Hidden);
    launched.push_back(probeLine);
  }
  for (std::size_t i = 0; i < probes.size(); ++i) {
    SCOPED_TRACE(utf8(lines[i]));
    ASSERT_TRUE(probes[i]->waitUntilRecorded(kProbeStartMs));
    EXPECT_EQ(probes[i]->record().value_or(ProbeRecord{}).commandLine, launched[i]);
  }
}

}  // namespace

TEST(CommandLines, ProbeStandsInWithTheRestOfTheLineUnchanged) {
  EXPECT_EQ(withProbeProgram(L"shutdown /a /m \\\\ x"), L"haltdeck-probe /a /m \\\\ x");
  EXPECT_EQ(withProbeProgram(L"shutdown.exe /i"), L"haltdeck-probe.exe /i");
  EXPECT_EQ(withProbeProgram(L"shutdownx /s"), L"");
  EXPECT_EQ(withProbeProgram(L"C:\\Windows\\shutdown /s"), L"");
}

TEST(CommandLines, LocalLinesArriveUnchanged) {
  expectEachLineArrivesUnchanged({std::begin(kLocalLines), std::end(kLocalLines)});
}

TEST(CommandLines, RemoteLinesArriveUnchanged) {
  expectEachLineArrivesUnchanged(remoteLines());
}
