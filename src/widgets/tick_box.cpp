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
  if (value != 2) {
    box.setTristate(false);
    box.setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
    return;
  }
  // Qt shows the greyed state only on a three-state box, and such a box would go on
  // cycling through greyed on the user's clicks. It is three-state only until its state
  // first changes; from then on clicks only tick and clear it.
  box.setTristate(true);
  box.setCheckState(Qt::PartiallyChecked);
  QObject::connect(
      &box, &QCheckBox::stateChanged, &box, [&box] { box.setTristate(false); },
      Qt::SingleShotConnection);
}

void restoreTick(SettingsStore& store, const SettingKey& key, QCheckBox& box) {
  setTickValue(box, readTickState(store, key));
}

void saveTick(SettingsStore& store, const SettingKey& key, const QCheckBox& box) {
  // A box still greyed is not ticked; the program writes only "0" or "1".
  writeTickState(store, key, tickValue(box) == 1 ? 1 : 0);
}
