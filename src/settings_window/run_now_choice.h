#pragma once

#include <QList>
#include <array>

#include "app/mirror.h"

// What the bar's run-now button does: one of four actions, or ask each time. The order is
// the order in which the settings window loads, clears, disables and enables the boxes.
enum class RunNowChoice { Shutdown, Restart, Hibernate, Logoff, AlwaysAsk };

inline constexpr RunNowChoice kRunNowChoices[] = {RunNowChoice::Shutdown, RunNowChoice::Restart,
                                                  RunNowChoice::Hibernate, RunNowChoice::Logoff,
                                                  RunNowChoice::AlwaysAsk};
inline constexpr size_t kRunNowChoiceCount = std::size(kRunNowChoices);

// Tick states of the five choices, in the order above.
using RunNowStates = std::array<int, kRunNowChoiceCount>;

// The bar's mirror, the settings key and the check box that carry a choice share one name.
Mirror mirrorOf(RunNowChoice choice);
Setting settingOf(RunNowChoice choice);

// The other four choices, in order.
QList<RunNowChoice> othersOf(RunNowChoice choice);

// More than one choice ticked: a state the program never stores, only a hand edit does.
bool holdsSeveralChoices(const RunNowStates& states);
