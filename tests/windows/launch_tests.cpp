// The Windows launcher against the real CreateProcessW, with the probe standing in for the
// started program.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/native_launch.h"
#include "probe_session.h"
#include "utf8.h"

namespace {

std::wstring probeLine(const std::wstring& arguments) {
  return ProbeSession::programName() + arguments;
}

ProbeRecord launchAndRecord(const std::wstring& commandLine, WindowStyle style) {
  ProbeSession probe;
  launchNativeCommandLine(commandLine, style);
  if (!probe.waitUntilRecorded(kProbeStartMs)) {
    ADD_FAILURE() << "the probe did not start";
    return {};
  }
  return probe.record().value_or(ProbeRecord{});
}

}  // namespace

TEST(NativeLaunch, CommandLineArrivesByteForByte) {
  const std::wstring lines[] = {
      probeLine(L""),
      probeLine(L" /s /t 0"),
      probeLine(L"  two  blanks   and a trailing one "),
      probeLine(L" \"quoted words\" \"odd quote \\\"inner\\\" tail\\\\\" \\\\server\\"),
      probeLine(L"\tafter a tab /t 30"),
      probeLine(L" pc-z\u00fcrich-\u6771\u4eac \u00e9"),
      L"\"" + ProbeSession::programName() + L"\" /l",
      ProbeSession::programName() + L".exe /i",
  };
  for (const std::wstring& line : lines) {
    SCOPED_TRACE(utf8(line));
    EXPECT_EQ(launchAndRecord(line, WindowStyle::Hidden).commandLine, line);
  }
}

TEST(NativeLaunch, WindowStyleReachesTheStartedProgram) {
  struct Case {
    WindowStyle style;
    std::uint32_t showWindow;
  };
  // The values the platform defines: SW_HIDE is 0, SW_SHOWNORMAL is 1.
  static_assert(SW_HIDE == 0 && SW_SHOWNORMAL == 1);
  for (const Case& c : {Case{WindowStyle::Hidden, 0}, Case{WindowStyle::NormalWithFocus, 1}}) {
    SCOPED_TRACE(c.showWindow);
    const ProbeRecord record = launchAndRecord(probeLine(L" /i"), c.style);
    EXPECT_TRUE(record.startupFlags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(record.showWindow, c.showWindow);
  }
}

TEST(NativeLaunch, ReturnsWhileTheStartedProgramStillRuns) {
  ProbeSession probe(ProbeSession::Gate::Held);
  launchNativeCommandLine(probeLine(L" /s /t 0"), WindowStyle::Hidden);
  // The probe cannot end before release(), and release() only comes after the launch has
  // returned; a launcher that waited would hold the probe until its bound ran out.
  ASSERT_TRUE(probe.waitUntilRecorded(kProbeStartMs));
  EXPECT_FALSE(probe.waitUntilEnded(0));
  probe.release();
  ASSERT_TRUE(probe.waitUntilEnded(kProbeEndMs));
  EXPECT_EQ(probe.ending(), "released");
}

TEST(NativeLaunch, KeepsNoHandleOfTheStartedProcess) {
  ProbeSession probe;
  launchNativeCommandLine(probeLine(L" /h"), WindowStyle::Hidden);
  ASSERT_TRUE(probe.waitUntilRecorded(kProbeStartMs));
  ASSERT_TRUE(probe.waitUntilEnded(kProbeEndMs));
  const ProbeRecord record = probe.record().value_or(ProbeRecord{});
  ASSERT_NE(record.processId, 0u);
  // This Wine counts no handles (GetProcessHandleCount gives 0), so every handle value
  // this process could hold is asked what it refers to; the test itself opens none to
  // the probe.
  for (std::uintptr_t value = 4; value < 0x10000; value += 4) {
    const HANDLE handle = reinterpret_cast<HANDLE>(value);
    ASSERT_NE(GetProcessId(handle), record.processId) << "process handle " << value << " kept";
    ASSERT_NE(GetThreadId(handle), record.threadId) << "thread handle " << value << " kept";
  }
}

TEST(NativeLaunch, ProgramThatCannotStartReturnsAndTheCallerGoesOn) {
  const std::wstring lines[] = {
      L"haltdeck-no-such-program /s /t 0",
      L"C:\\haltdeck-no-such-folder\\" + ProbeSession::programName() + L".exe /s",
      L"\"haltdeck-no-such-program /a",
      L"",
      L"   ",
  };
  for (const std::wstring& line : lines) {
    SCOPED_TRACE(utf8(line));
    launchNativeCommandLine(line, WindowStyle::Hidden);
  }
  // The caller goes on: the next launch works as usual.
  EXPECT_EQ(launchAndRecord(probeLine(L" /l"), WindowStyle::Hidden).commandLine, probeLine(L" /l"));
}
