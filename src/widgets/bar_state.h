#pragma once

#include <QString>

#include "settings/key_catalogue.h"

// The live state a run's windows share, held by the bar: the action label that the
// confirm-action window shows next (ACTION_TEXTBOX), the six mirrors of the settings in
// kMirroredSettings, and the always-on-top timer. Windows reach the bar only through this.
class BarState {
 public:
  virtual QString actionLabel() const = 0;
  virtual void setActionLabel(const QString& label) = 0;

  // The live tick state (0, 1 or 2; only 1 counts as ticked) of a mirrored setting.
  virtual int mirror(Setting setting) const = 0;
  virtual void setMirror(Setting setting, int state) = 0;

  // AlwaysOnTopTimer: enabling starts ticks one interval later.
  virtual void setAlwaysOnTopTimerEnabled(bool enabled) = 0;
  virtual bool isAlwaysOnTopTimerEnabled() const = 0;

 protected:
  ~BarState() = default;
};
