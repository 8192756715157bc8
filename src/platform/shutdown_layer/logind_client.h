#pragma once

#include <QString>
#include <optional>

#include "logind_call.h"

// Makes the call on logind's Manager over the system bus. Returns why it failed, or none.
std::optional<QString> callLogind(const LogindCall& call);
