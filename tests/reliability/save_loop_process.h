#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "settings/settings_location.h"

// A configuration folder of its own, the save-loop helper started over it, and fresh
// parses of the INI file the helper writes.
class SaveLoopFolder {
 public:
  explicit SaveLoopFolder(QString section) : section_(std::move(section)) {}

  bool isValid() const { return folder_.isValid(); }
  QString path() const {
    return folder_.filePath(kSettingsApplication + u'/' + section_ + QStringLiteral(".ini"));
  }
  QString filePath(const QString& name) const { return folder_.filePath(name); }

  // Starts the helper with the given arguments after the section, its standard output
  // a pipe to read.
  std::unique_ptr<QProcess> start(const QStringList& arguments) const {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(HALTDECK_SAVE_LOOP),
                   QStringList{arguments.first(), section_} + arguments.mid(1));
    return process;
  }

  // The file as it is now, parsed by a settings object that has never seen it: objects
  // of one process on the same file share a cache.
  std::unique_ptr<QSettings> parseNow() {
    const QString copy = folder_.filePath(QStringLiteral("copy-%1.ini").arg(++copies_));
    QFile::remove(copy);
    if (!QFile::copy(path(), copy)) return nullptr;
    return std::make_unique<QSettings>(copy, QSettings::IniFormat);
  }

  // The files in the store's folder with their sizes, and the text of any lock.
  QString describe() const {
    QStringList lines;
    const QDir store(folder_.filePath(kSettingsApplication));
    for (const QFileInfo& file : store.entryInfoList(QDir::Files)) {
      lines.append(QStringLiteral("%1 (%2 bytes)").arg(file.fileName()).arg(file.size()));
      if (!file.fileName().contains(QLatin1String(".lock"))) continue;
      QFile lock(file.filePath());
      if (lock.open(QIODevice::ReadOnly)) lines.append(QString::fromUtf8(lock.readAll()));
    }
    return QStringLiteral("files: ") + lines.join(u' ');
  }

  // Whether a lock file is left: the writer died while it held the lock.
  bool lockLeft() const { return QFile::exists(path() + QStringLiteral(".lock")); }

  // Files the store left in its folder besides the INI file and its lock (which the next
  // save takes over when its writer is gone).
  QStringList leftovers() const {
    QStringList names = QDir(folder_.filePath(kSettingsApplication)).entryList(QDir::Files);
    names.removeAll(section_ + QStringLiteral(".ini"));
    names.removeAll(section_ + QStringLiteral(".ini.lock"));
    return names;
  }

 private:
  QTemporaryDir folder_;
  QString section_;
  int copies_ = 0;
};

// Reads the helper's output until the mark has appeared count times (or the helper ends
// or stays silent for the given time).
inline bool readUntilCount(QProcess& process, QByteArray& output, char mark, qsizetype count,
                           int silenceMs = 20000) {
  while (output.count(mark) < count) {
    if (!process.waitForReadyRead(silenceMs)) return false;
    output += process.readAllStandardOutput();
  }
  return true;
}

// Reads the helper's output until it holds text (or the helper ends or stays silent
// for the given time).
inline bool readUntil(QProcess& process, QByteArray& output, const QByteArray& text,
                      int silenceMs = 20000) {
  while (!output.contains(text)) {
    if (!process.waitForReadyRead(silenceMs)) return false;
    output += process.readAllStandardOutput();
  }
  return true;
}
