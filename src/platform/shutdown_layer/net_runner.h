#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "credentials_check.h"

// Runs Samba's `net` with these arguments, no shell and no input. Returns why it failed,
// or none.
std::optional<QString> runNet(const QStringList& arguments);

// Whether the user holds a Kerberos ticket (`klist -s`; no klist counts as no ticket).
bool hasKerberosTicket();

FileFacts fileFacts(const QString& path);
unsigned currentUser();
