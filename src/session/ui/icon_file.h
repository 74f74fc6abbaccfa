// Pictures from Windows icon and cursor files (.ICO, .CUR), with a cursor's exact hot spot.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

#include "platform/windows_cursor_format.h"

namespace jovi {

struct IconFileImage {
  QImage image;     // at the size stored in the file
  QPoint hot_spot;  // a cursor's hot spot; (0, 0) for an icon
  IconFileKind kind = IconFileKind::Icon;
};

// The 32 × 32 image of an .ICO or .CUR file (or its largest one when it has no 32 × 32 image),
// or nullopt when the file cannot be read or is not such a file.
std::optional<IconFileImage> ReadIconFile(const QString& path);

}  // namespace jovi
