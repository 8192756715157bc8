#include "settings/qsettings_store.h"

#include <QStringList>
#include <QVariant>

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
  if (batchDepth_ == 0) settings_->sync();
}

void QSettingsStore::endWriteBatch() {
  // Each sync rewrites and flushes the whole file: a batch of 150 writes costs one.
  if (--batchDepth_ == 0) settings_->sync();
}
