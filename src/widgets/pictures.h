#pragma once

#include <QIcon>
#include <QString>

// The picture called name ("ok", "action_shutdown", "app_icon"...), with every pixel size
// it was rendered at, so that each display scale gets a sharp rendition.
QIcon pictureIcon(const QString& name);
