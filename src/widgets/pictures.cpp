#include "widgets/pictures.h"

QIcon pictureIcon(const QString& name) {
  return QIcon(QStringLiteral(":/pictures/%1.svg").arg(name));
}
