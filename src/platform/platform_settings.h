#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// Opens the platform's per-user store for application and section: the registry area of
// the Windows program-settings functions, or an INI file elsewhere.
std::unique_ptr<QSettings> openPlatformSettings(const QString& application, const QString& section);
