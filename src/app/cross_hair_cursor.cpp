#include "app/cross_hair_cursor.h"

#include <QFileInfo>
#include <QPixmap>

namespace jovi {

QCursor LoadCrossHairCursor(const QString& program_dir) {
  const QString path = program_dir + QStringLiteral("XPXHAIR.CUR");
  if (!QFileInfo::exists(path)) return QCursor(Qt::CrossCursor);
  const QPixmap picture(path, "ICO");
  if (picture.isNull()) return QCursor(Qt::CrossCursor);
  return QCursor(picture, picture.width() / 2, picture.height() / 2);
}

}  // namespace jovi
