#pragma once

#include "settings/key_catalogue.h"

class QCheckBox;
class SettingsStore;

// A check box's tick value as the rest of the program counts it: 0 clear, 1 ticked,
// 2 greyed. Qt numbers the greyed state 1 and the ticked state 2, hence the mapping.
int tickValue(const QCheckBox& box);
// 1 ticks the box, 2 greys it (which makes it a three-state box), anything else clears it.
// Like a click, a change of state emits stateChanged.
void setTickValue(QCheckBox& box, int value);

void restoreTick(SettingsStore& store, const SettingKey& key, QCheckBox& box);
void saveTick(SettingsStore& store, const SettingKey& key, const QCheckBox& box);
