#include "settings_window/run_now_choice.h"

#include <algorithm>

Mirror mirrorOf(RunNowChoice choice) {
  switch (choice) {
    case RunNowChoice::Shutdown:
      return Mirror::Shutdown;
    case RunNowChoice::Restart:
      return Mirror::Restart;
    case RunNowChoice::Hibernate:
      return Mirror::Hibernate;
    case RunNowChoice::Logoff:
      return Mirror::Logoff;
    case RunNowChoice::AlwaysAsk:
      return Mirror::AlwaysAsk;
  }
  return Mirror::AlwaysAsk;
}

Setting settingOf(RunNowChoice choice) {
  return mirrorSetting(mirrorOf(choice));
}

QList<RunNowChoice> othersOf(RunNowChoice choice) {
  QList<RunNowChoice> others;
  for (RunNowChoice other : kRunNowChoices) {
    if (other != choice) others.append(other);
  }
  return others;
}

bool holdsSeveralChoices(const RunNowStates& states) {
  return std::count(states.begin(), states.end(), 1) > 1;
}
