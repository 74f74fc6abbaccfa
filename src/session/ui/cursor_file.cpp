#include "session/ui/cursor_file.h"

#include <QPixmap>

#include "session/ui/icon_file.h"

namespace jovi {

std::optional<QCursor> LoadCursorFile(const QString& path) {
  const auto picture = ReadIconFile(path);
  if (!picture || picture->kind != IconFileKind::Cursor) return std::nullopt;
  return QCursor(QPixmap::fromImage(picture->image), picture->hot_spot.x(), picture->hot_spot.y());
}

}  // namespace jovi
