#pragma once

#include <QString>
#include <optional>

// Why a text cannot be the name of a remote computer, or none when it can be: a NetBIOS or
// DNS name or an address. The name reaches `net` as one argument either way; this keeps
// names that cannot exist from starting name lookups on the network.
std::optional<QString> computerNameProblem(const QString& name);
