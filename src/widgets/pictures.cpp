#include "widgets/pictures.h"

#include <QDirIterator>

QIcon pictureIcon(const QString& name) {
  QIcon icon;
  QDirIterator renditions(QStringLiteral(":/pictures/") + name, {QStringLiteral("*.png")},
                          QDir::Files);
  while (renditions.hasNext()) icon.addFile(renditions.next());
  return icon;
}
