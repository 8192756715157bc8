#pragma once

#include <QSettings>
#include <memory>

#include "settings/settings_store.h"

// The real store: one QSettings section, synced to disk after every write.
class QSettingsStore : public SettingsStore {
 public:
  explicit QSettingsStore(std::unique_ptr<QSettings> settings);

  QString read(const QString& key, const QString& defaultText) override;
  void write(const QString& key, const QString& text) override;

 private:
  std::unique_ptr<QSettings> settings_;
};
