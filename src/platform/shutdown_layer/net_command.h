#pragma once

#include <QString>
#include <QStringList>
#include <variant>

#include "shutdown_request.h"

// How `net` proves who the user is to the remote computer.
struct KerberosTicket {};
struct CredentialsFile {
  QString path;
};
using RemoteCredentials = std::variant<KerberosTicket, CredentialsFile>;

// The arguments of `net` for a remote request (`net rpc shutdown` or `net rpc
// abortshutdown`). Every value sits in the same argument as its option, so neither the
// computer name nor the comment can ever be read as an option of its own.
QStringList netArguments(const ShutdownRequest& request, const RemoteCredentials& credentials);

// One readable reason from what a failed `net` printed.
QString netFailureReason(const QString& output, int exitCode);
