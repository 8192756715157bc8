#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

#include "platform/session_end.h"

namespace {

// systemd ends every process of a session with SIGTERM at log-off and shutdown, and Qt
// has no signal for that. The handler only writes a byte into a socket pair (the one
// async-signal-safe thing to do); the socket's notifier then runs the end on the
// user-interface thread.
int signalWriteEnd = -1;

void noteTermination(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
}

class TerminationWatch : public SessionEndWatch {
 public:
  explicit TerminationWatch(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends_) != 0) return;
    signalWriteEnd = ends_[1];
    notifier_ = std::make_unique<QSocketNotifier>(ends_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { takeTermination(); });
    struct sigaction action {};
    action.sa_handler = noteTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &previous_);
  }

  ~TerminationWatch() override {
    if (!notifier_) return;
    ::sigaction(SIGTERM, &previous_, nullptr);
    signalWriteEnd = -1;
    notifier_.reset();
    ::close(ends_[0]);
    ::close(ends_[1]);
  }

  TerminationWatch(const TerminationWatch&) = delete;
  TerminationWatch& operator=(const TerminationWatch&) = delete;

 private:
  void takeTermination() {
    char bytes[64];
    while (::read(ends_[0], bytes, sizeof bytes) > 0) {
    }
    // A second SIGTERM while the first is handled changes nothing.
    notifier_->setEnabled(false);
    onEnd_();
  }

  std::function<void()> onEnd_;
  int ends_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  struct sigaction previous_ {};
};

}  // namespace

std::unique_ptr<SessionEndWatch> watchSessionEnd(std::function<void()> onEnd) {
  return std::make_unique<TerminationWatch>(std::move(onEnd));
}
