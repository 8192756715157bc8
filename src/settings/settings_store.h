#pragma once

#include <QString>

// The per-user settings of one application section: text values addressed by key.
// A read of a missing key returns the given default; a write is visible to the next
// read at once and has reached persistent storage when write() returns (or, inside a
// write batch, when the batch ends).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual QString read(const QString& key, const QString& defaultText) = 0;
  virtual void write(const QString& key, const QString& text) = 0;

  // Between begin and end, writes reach persistent storage together when the outermost
  // batch ends, instead of one by one.
  virtual void beginWriteBatch() {}
  virtual void endWriteBatch() {}
};

// Groups the writes of one handler, which are then on disk before the handler goes on.
class SettingsWriteBatch {
 public:
  explicit SettingsWriteBatch(SettingsStore& store) : store_(store) { store_.beginWriteBatch(); }
  ~SettingsWriteBatch() { store_.endWriteBatch(); }
  SettingsWriteBatch(const SettingsWriteBatch&) = delete;
  SettingsWriteBatch& operator=(const SettingsWriteBatch&) = delete;

 private:
  SettingsStore& store_;
};
