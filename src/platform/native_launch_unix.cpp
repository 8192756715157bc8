#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <cstdio>
#include <thread>
#include <vector>

#include "platform/command_line_split.h"
#include "platform/native_launch.h"
#include "platform/shutdown_program.h"

extern char** environ;

namespace {

// Standard input and output go nowhere, and the child leads a session of its own, so it
// outlives whatever terminal started the bar. Standard error is the bar's: the bar never
// reads a command's outcome, but a failure the command reports there reaches whoever
// reads the bar's (a terminal, the session's journal).
class DetachedSpawn {
 public:
  DetachedSpawn() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_init(&attributes_);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID);
  }
  ~DetachedSpawn() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  DetachedSpawn(const DetachedSpawn&) = delete;
  DetachedSpawn& operator=(const DetachedSpawn&) = delete;

  int start(pid_t* pid, const char* program, char* const argv[]) {
    return posix_spawnp(pid, program, &actions_, &attributes_, argv, environ);
  }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

}  // namespace

// The window style has no meaning for a process without windows of its own here; the
// command line is split by the Windows rules and the program started without a shell,
// Windows' `shutdown` being the program that stands in for it, under its own name.
// posix_spawnp rather than QProcess::startDetached: the latter forks this whole process
// twice per launch, three times the cost of a spawn when a batch starts sixty commands.
void launchNativeCommandLine(const std::wstring& commandLine, WindowStyle /*style*/,
                             const std::wstring& shutdownProgram) {
  const QStringList arguments = splitWindowsCommandLine(QString::fromStdWString(commandLine));
  if (arguments.isEmpty() || arguments.first().isEmpty()) return;
  const auto program = programToStart(arguments.first(), QString::fromStdWString(shutdownProgram),
                                      qEnvironmentVariable(kShutdownProgramVariable));
  if (!program) {
    std::fprintf(stderr, "ol-haltdeck: nothing stands in for %s here\n",
                 qPrintable(arguments.first()));
    return;
  }
  const QByteArray programPath = program->toLocal8Bit();

  std::vector<QByteArray> encoded;
  for (const QString& argument : arguments) encoded.push_back(argument.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& argument : encoded) argv.push_back(argument.data());
  argv.push_back(nullptr);

  static DetachedSpawn spawn;
  pid_t pid = 0;
  if (spawn.start(&pid, programPath.constData(), argv.data()) != 0) {
    std::fprintf(stderr, "ol-haltdeck: could not start %s\n", programPath.constData());
    return;
  }
  // Nobody waits for the command, but its exit must be collected or it stays a zombie.
  std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
}
