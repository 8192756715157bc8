// Starts the bar and a bare Qt window alternately and prints the medians of their start to
// first frame and resident memory, and the ratios bar / bare.
#include <time.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 15;

struct Sample {
  double milliseconds;
  double kilobytes;
};

long long monotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

Sample runOnce(const QString& program, const QString& configHome) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_CONFIG_HOME", configHome);  // the bar's settings stay out of $HOME
  environment.insert("HALTDECK_BENCH_T0_NS", QString::number(monotonicNanoseconds()));
  process.setProcessEnvironment(environment);
  process.start(program, {});
  if (!process.waitForFinished(30000)) qFatal("%s did not show a frame", qPrintable(program));
  const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
  if (fields.size() != 2) qFatal("%s reported nothing", qPrintable(program));
  return {fields[0].toDouble(), fields[1].toDouble()};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QTemporaryDir configHome;
  std::vector<double> barMs, bareMs, barKb, bareKb;
  runOnce(STARTUP_BAR, configHome.path());  // warm the file cache for both
  runOnce(STARTUP_BARE, configHome.path());
  for (int run = 0; run < kRuns; ++run) {
    const Sample bar = runOnce(STARTUP_BAR, configHome.path());
    const Sample bare = runOnce(STARTUP_BARE, configHome.path());
    barMs.push_back(bar.milliseconds);
    bareMs.push_back(bare.milliseconds);
    barKb.push_back(bar.kilobytes);
    bareKb.push_back(bare.kilobytes);
  }
  std::printf("startup_platform: %s\n", qgetenv("QT_QPA_PLATFORM").isEmpty()
                                            ? "default"
                                            : qgetenv("QT_QPA_PLATFORM").constData());
  std::printf("startup_bar_first_frame: %.1f ms\n", median(barMs));
  std::printf("startup_bare_window_first_frame: %.1f ms\n", median(bareMs));
  std::printf("startup_first_frame_ratio: %.2f x\n", median(barMs) / median(bareMs));
  std::printf("startup_bar_resident: %.0f KiB\n", median(barKb));
  std::printf("startup_bare_window_resident: %.0f KiB\n", median(bareKb));
  std::printf("startup_resident_ratio: %.2f x\n", median(barKb) / median(bareKb));
  return 0;
}
