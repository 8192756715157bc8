#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>

// The arguments the probe program received, read from the output file it renames into
// place when done (each argument followed by a NUL); waits up to ten seconds for it.
inline QStringList readProbeArguments(const QString& path) {
  QDeadlineTimer deadline(10000);
  QFile file(path);
  // On Windows the record can be in place a moment before the probe has let go of it.
  while (!file.open(QIODevice::ReadOnly)) {
    if (deadline.hasExpired()) return {QStringLiteral("<the probe wrote nothing>")};
    QTest::qWait(2);
  }
  QStringList arguments;
  for (const QByteArray& argument : file.readAll().split('\0')) {
    arguments.append(QString::fromUtf8(argument));
  }
  arguments.removeLast();  // every argument ends in a NUL
  return arguments;
}

// While it lives, the probe program is found first on PATH; it puts PATH back and forgets
// the probe's output file when it goes.
class ProbeOnPath {
 public:
  ProbeOnPath() : savedPath_(qgetenv("PATH")) {
    const QString folder = QDir::toNativeSeparators(QStringLiteral(HALTDECK_PROBE_DIR));
    qputenv("PATH", (folder + QDir::listSeparator()).toLocal8Bit() + savedPath_);
  }
  ~ProbeOnPath() {
    qputenv("PATH", savedPath_);
    qunsetenv("HALTDECK_PROBE_OUT");
  }
  ProbeOnPath(const ProbeOnPath&) = delete;
  ProbeOnPath& operator=(const ProbeOnPath&) = delete;

 private:
  QByteArray savedPath_;
};
