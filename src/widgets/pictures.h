#pragma once

#include <QIcon>
#include <QString>

// One of the program's own pictures by name ("ok", "cancel", "action_shutdown",
// "app_icon", ...), as compiled into the program from resources/pictures/.
QIcon pictureIcon(const QString& name);
