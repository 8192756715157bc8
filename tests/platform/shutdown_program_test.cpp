#include "platform/shutdown_program.h"

#include <gtest/gtest.h>

#include "platform/bundled_shutdown.h"

namespace {

TEST(ShutdownProgram, WindowsShutdownBecomesTheOverrideOrTheLayerAndNothingElseChanges) {
  const QString layer = "/opt/hd/libexec/ol-haltdeck/shutdown";
  struct Case {
    const char* program;
    const char* overrideProgram;
    std::optional<QString> started;
  };
  const Case cases[] = {
      {"shutdown", "", layer},
      {"shutdown.exe", "", layer},
      {"SHUTDOWN", "", layer},
      {"Shutdown.EXE", "", layer},
      {"shutdown", "/usr/local/bin/my-shutdown", "/usr/local/bin/my-shutdown"},
      {"shutdown.exe", "recorder", "recorder"},
      {"haltdeck-probe", "/usr/local/bin/my-shutdown", "haltdeck-probe"},
      {"/sbin/shutdown", "", "/sbin/shutdown"},
      {"shutdown2", "", "shutdown2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    EXPECT_EQ(programToStart(c.program, layer, c.overrideProgram), c.started);
  }
}

TEST(ShutdownProgram, WithoutALayerOrAnOverrideTheSystemsShutdownIsNeverStarted) {
  EXPECT_EQ(programToStart("shutdown", "", ""), std::nullopt);
  EXPECT_EQ(programToStart("shutdown.exe", "", ""), std::nullopt);
}

TEST(BundledShutdown, LivesInLibexecBesideTheProgramsBinFolder) {
  EXPECT_EQ(bundledShutdownProgram("/usr/bin"), "/usr/libexec/ol-haltdeck/shutdown");
  EXPECT_EQ(bundledShutdownProgram("/home/u/build/bin"),
            "/home/u/build/libexec/ol-haltdeck/shutdown");
}

}  // namespace
