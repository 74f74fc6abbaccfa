#include "app/cross_hair_cursor.h"

#include "session/ui/cursor_file.h"

namespace jovi {

QCursor LoadCrossHairCursor(const QString& program_dir) {
  if (auto cursor = LoadCursorFile(program_dir + QStringLiteral("XPXHAIR.CUR"))) return *cursor;
  return QCursor(Qt::CrossCursor);
}

}  // namespace jovi
