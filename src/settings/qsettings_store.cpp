#include "settings/qsettings_store.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QThread>
#include <QVariant>

namespace {

// How long a lock file may stay empty before it counts as abandoned. Its owner writes
// its process id into it right after creating it.
constexpr int kEmptyLockGraceMs = 1000;

// QSettings guards the INI file with "<file>.lock", and QLockFile guards the removal of a
// stale lock with "<file>.lock.rmlock". A writer that dies between creating such a file
// and writing its process id into it leaves it empty, and QLockFile takes an empty lock
// for a live one until it is 30 seconds old: the next sync would hang that long. Such a
// file is removed once it has stayed empty past the grace time.
void removeIfAbandoned(const QString& path) {
  QDeadlineTimer grace(kEmptyLockGraceMs);
  while (true) {
    const QFileInfo lock(path);
    if (!lock.exists() || lock.size() != 0) return;
    if (grace.hasExpired()) {
      QFile::remove(path);
      return;
    }
    QThread::msleep(5);
  }
}

void removeAbandonedLocks(const QSettings& settings) {
  if (settings.format() != QSettings::IniFormat) return;
  const QString lock = settings.fileName() + QStringLiteral(".lock");
  removeIfAbandoned(lock);
  removeIfAbandoned(lock + QStringLiteral(".rmlock"));
}

}  // namespace

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

QString QSettingsStore::read(const QString& key, const QString& defaultText) {
  const QVariant value = settings_->value(key);
  if (!value.isValid()) return defaultText;
  // A hand-edited INI line "a, b" comes back as a list; give it back as the text typed.
  if (value.typeId() == QMetaType::QStringList)
    return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

void QSettingsStore::write(const QString& key, const QString& text) {
  settings_->setValue(key, text);
  // The next thing the caller does may be a command that ends this program: the value
  // must be on disk before write() returns. QSettings replaces the file atomically
  // (QSaveFile) under a lock file and merges with what other instances wrote.
  if (batchDepth_ == 0) sync();
}

void QSettingsStore::endWriteBatch() {
  // Each sync rewrites and flushes the whole file: a batch of 150 writes costs one.
  if (--batchDepth_ == 0) sync();
}

void QSettingsStore::sync() {
  removeAbandonedLocks(*settings_);
  settings_->sync();
}
