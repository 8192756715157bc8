#include "widgets/pictures.h"

#include <QDirIterator>
#include <QFileInfo>

// Each rendition is named after its side in pixels ("21.png"), so none is read before a
// window draws it.
QIcon pictureIcon(const QString& name) {
  QIcon icon;
  QDirIterator renditions(QStringLiteral(":/pictures/") + name, {QStringLiteral("*.png")},
                          QDir::Files);
  while (renditions.hasNext()) {
    const QString path = renditions.next();
    const int side = QFileInfo(path).completeBaseName().toInt();
    icon.addFile(path, QSize(side, side));
  }
  return icon;
}
