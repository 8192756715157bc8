#pragma once

#include <QSettings>
#include <memory>

#include "settings/settings_store.h"

// The real store: one QSettings section, synced to disk after every write or write batch.
class QSettingsStore : public SettingsStore {
 public:
  explicit QSettingsStore(std::unique_ptr<QSettings> settings);

  QString read(const QString& key, const QString& defaultText) override;
  void write(const QString& key, const QString& text) override;
  void beginWriteBatch() override { ++batchDepth_; }
  void endWriteBatch() override;

 private:
  void sync();

  std::unique_ptr<QSettings> settings_;
  int batchDepth_ = 0;
};
