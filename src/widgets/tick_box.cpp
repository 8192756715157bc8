#include "widgets/tick_box.h"

#include <QCheckBox>

#include "settings/typed_settings.h"

int tickValue(const QCheckBox& box) {
  switch (box.checkState()) {
    case Qt::Checked:
      return 1;
    case Qt::PartiallyChecked:
      return 2;
    case Qt::Unchecked:
      break;
  }
  return 0;
}

void setTickValue(QCheckBox& box, int value) {
  const Qt::CheckState state = value == 1   ? Qt::Checked
                               : value == 2 ? Qt::PartiallyChecked
                                            : Qt::Unchecked;
  box.setCheckState(state);
}

void restoreTick(SettingsStore& store, const SettingKey& key, QCheckBox& box) {
  setTickValue(box, readTickState(store, key));
}

void saveTick(SettingsStore& store, const SettingKey& key, const QCheckBox& box) {
  writeTickState(store, key, tickValue(box));
}
