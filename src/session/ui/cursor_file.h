// The telescope's cross-hair cursor, read from a Windows cursor file (.CUR).
#pragma once

#include <QCursor>
#include <QString>
#include <optional>

namespace jovi {

// The cursor stored in `path` with the hot spot the file names, or nullopt when the file
// cannot be read or is not a cursor file.
std::optional<QCursor> LoadCursorFile(const QString& path);

}  // namespace jovi
