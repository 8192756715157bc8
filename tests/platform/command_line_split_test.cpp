#include "platform/command_line_split.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

struct SplitCase {
  const char* line;
  QStringList arguments;
};

TEST(SplitWindowsCommandLine, FollowsTheWindowsRuntimeRules) {
  const SplitCase cases[] = {
      {"", {}},
      {"shutdown /s /t 0", {"shutdown", "/s", "/t", "0"}},
      {"shutdown /s /m \\\\PC01 /t 30", {"shutdown", "/s", "/m", "\\\\PC01", "/t", "30"}},
      {"shutdown /a /m \\\\", {"shutdown", "/a", "/m", "\\\\"}},
      {"shutdown /s /m \\\\ /t 30", {"shutdown", "/s", "/m", "\\\\", "/t", "30"}},
      {"shutdown /s /m \\\\PC01 /t ", {"shutdown", "/s", "/m", "\\\\PC01", "/t"}},
      {"p  a\tb", {"p", "a", "b"}},
      {"p \"a b\" c", {"p", "a b", "c"}},
      {"p a\"b c\"d", {"p", "ab cd"}},
      {"p \"\"", {"p", ""}},
      {"p \\\"a", {"p", "\"a"}},
      {"p \\\\\"a b\"", {"p", "\\a b"}},
      {"p \\\\\\\"a", {"p", "\\\"a"}},
      {"p a\\\\b", {"p", "a\\\\b"}},
      {"p \"a\"\"b\"", {"p", "a\"b"}},
      {"p \"unterminated rest", {"p", "unterminated rest"}},
      {"\"C:\\Program Files\\x.exe\" a", {"C:\\Program Files\\x.exe", "a"}},
      {"C:\\dir\\\"x a", {"C:\\dir\\x a"}},
      {"p PC01 & calc", {"p", "PC01", "&", "calc"}},
      {"p $(reboot) `id` ;|", {"p", "$(reboot)", "`id`", ";|"}},
      {"p a\nb", {"p", "a\nb"}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(splitWindowsCommandLine(QString::fromUtf8(c.line)), c.arguments) << c.line;
  }
}

}  // namespace
