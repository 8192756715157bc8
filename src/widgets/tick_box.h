#pragma once

#include "settings/key_catalogue.h"

class QCheckBox;
class SettingsStore;

// A check box's tick value as the rest of the program counts it: 0 clear, 1 ticked,
// 2 greyed. Qt numbers the greyed state 1 and the ticked state 2, hence the mapping.
int tickValue(const QCheckBox& box);
// 1 ticks the box, 2 greys it, anything else clears it. A greyed box stays two-state for
// the user: the first click ticks it, the next clears it, and no click greys it again.
// Like a click, a change of state emits stateChanged.
void setTickValue(QCheckBox& box, int value);

void restoreTick(SettingsStore& store, const SettingKey& key, QCheckBox& box);
// Writes "1" for a ticked box and "0" otherwise, a greyed one included.
void saveTick(SettingsStore& store, const SettingKey& key, const QCheckBox& box);
