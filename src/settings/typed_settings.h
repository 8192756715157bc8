#pragma once

#include "settings/key_catalogue.h"
#include "settings/settings_store.h"

// Reads and writes one key in its value form. A stored value outside the form reads as
// the key's default; nothing is written back, so the stored text stays as it was.
qint16 readTickState(SettingsStore& store, const SettingKey& key);
void writeTickState(SettingsStore& store, const SettingKey& key, int state);

QString readFreeText(SettingsStore& store, const SettingKey& key);
void writeFreeText(SettingsStore& store, const SettingKey& key, const QString& text);

float readPlacementNumber(SettingsStore& store, const SettingKey& key);
void writePlacementNumber(SettingsStore& store, const SettingKey& key, float twips);
