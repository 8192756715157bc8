#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The application name under which every value is stored.
inline const QString kSettingsApplication = QStringLiteral("OL_HALTDECK");

// The section of a run: the executable's file name without directory and last extension,
// so that a renamed copy of the program starts from its own defaults.
QString settingsSectionFor(const QString& executablePath);

// Opens the platform's per-user store for application and section:
// the registry area of the Windows program-settings functions, or an INI file elsewhere.
std::unique_ptr<QSettings> openPlatformSettings(const QString& application, const QString& section);
