#include "recording_store.h"

QString RecordingStore::read(const QString& key, const QString& defaultText) {
  accesses_.append({Access::Read, key, defaultText});
  return values_.value(key, defaultText);
}

void RecordingStore::write(const QString& key, const QString& text) {
  accesses_.append({Access::Write, key, text});
  values_[key] = text;
}

QStringList RecordingStore::readKeys() const {
  QStringList keys;
  for (const Access& access : accesses_) {
    if (access.kind == Access::Read) keys.append(access.key);
  }
  return keys;
}

QStringList RecordingStore::writtenKeys() const {
  QStringList keys;
  for (const Access& access : accesses_) {
    if (access.kind == Access::Write) keys.append(access.key);
  }
  return keys;
}

QStringList RecordingStore::writes() const {
  QStringList writes;
  for (const Access& access : accesses_) {
    if (access.kind == Access::Write) writes.append(access.key + u'=' + access.text);
  }
  return writes;
}
