#pragma once

// Reports, from inside a measured program, the time from its launch (a monotonic clock
// reading its launcher passed in HALTDECK_BENCH_T0_NS) to the first frame of a window,
// and the resident memory then; then ends the program.
#include <time.h>

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

inline long long monotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

inline long residentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  }
  return -1;
}

class FirstFrameReport : public QObject {
 public:
  explicit FirstFrameReport(QWidget* window) : QObject(window) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // After the paint handler the backing store is flushed; report once that is done.
      QTimer::singleShot(0, this, [] {
        const long long start = qEnvironmentVariable("HALTDECK_BENCH_T0_NS").toLongLong();
        std::printf("%.3f %ld\n", double(monotonicNanoseconds() - start) / 1e6,
                    residentKilobytes());
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  bool reported_ = false;
};
