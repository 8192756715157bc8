#pragma once

#include <QString>

// The per-user settings of one application section: text values addressed by key.
// A read of a missing key returns the given default; a write is visible to the next
// read at once and has reached persistent storage when write() returns.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual QString read(const QString& key, const QString& defaultText) = 0;
  virtual void write(const QString& key, const QString& text) = 0;
};
