#pragma once

#include <QString>

// The application name under which every value is stored.
inline const QString kSettingsApplication = QStringLiteral("OL_HALTDECK");

// The section of a run: the executable's file name without directory and last extension,
// so that a renamed copy of the program starts from its own defaults.
QString settingsSectionFor(const QString& executablePath);
