#include "settings/typed_settings.h"

#include "settings/value_conversions.h"

qint16 readTickState(SettingsStore& store, const SettingKey& key) {
  const auto state = parseTickState(store.read(key.name, key.defaultText));
  return state ? *state : *parseTickState(key.defaultText);
}

void writeTickState(SettingsStore& store, const SettingKey& key, int state) {
  store.write(key.name, formatTickState(state));
}

QString readFreeText(SettingsStore& store, const SettingKey& key) {
  return store.read(key.name, key.defaultText);
}

void writeFreeText(SettingsStore& store, const SettingKey& key, const QString& text) {
  store.write(key.name, text);
}

float readPlacementNumber(SettingsStore& store, const SettingKey& key) {
  const auto number = parsePlacementNumber(store.read(key.name, key.defaultText));
  return number ? *number : key.defaultText.toFloat();
}

void writePlacementNumber(SettingsStore& store, const SettingKey& key, float twips) {
  store.write(key.name, formatPlacementNumber(twips));
}
