#pragma once

#include "settings/key_catalogue.h"

// The bar's six hidden check boxes that hold the live value of a setting for the run.
enum class Mirror { AlwaysOnTop, Shutdown, Restart, Hibernate, Logoff, AlwaysAsk };

inline constexpr Mirror kAllMirrors[] = {Mirror::AlwaysOnTop, Mirror::Shutdown, Mirror::Restart,
                                         Mirror::Hibernate,   Mirror::Logoff,   Mirror::AlwaysAsk};

// Each mirror holds the settings key of the same name.
inline Setting mirrorSetting(Mirror mirror) {
  switch (mirror) {
    case Mirror::AlwaysOnTop:
      return Setting::AlwaysOnTop;
    case Mirror::Shutdown:
      return Setting::RunNowShutdown;
    case Mirror::Restart:
      return Setting::RunNowRestart;
    case Mirror::Hibernate:
      return Setting::RunNowHibernate;
    case Mirror::Logoff:
      return Setting::RunNowLogoff;
    case Mirror::AlwaysAsk:
      return Setting::RunNowAlwaysAsk;
  }
  return Setting::AlwaysOnTop;
}
