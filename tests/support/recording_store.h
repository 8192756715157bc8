#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include "settings/settings_store.h"

// An in-memory store that keeps every access in order.
class RecordingStore : public SettingsStore {
 public:
  struct Access {
    enum Kind { Read, Write } kind;
    QString key;
    QString text;  // the default passed to a read, the text of a write
    bool operator==(const Access&) const = default;
  };

  QString read(const QString& key, const QString& defaultText) override;
  void write(const QString& key, const QString& text) override;

  // Seeds a value without recording it.
  void preset(const QString& key, const QString& text) { values_[key] = text; }
  bool contains(const QString& key) const { return values_.contains(key); }
  QString value(const QString& key) const { return values_.value(key); }

  const QList<Access>& accesses() const { return accesses_; }
  QStringList readKeys() const;
  QStringList writtenKeys() const;
  // "KEY=text" for every write, in order.
  QStringList writes() const;
  void clearAccesses() { accesses_.clear(); }

 private:
  QMap<QString, QString> values_;
  QList<Access> accesses_;
};
