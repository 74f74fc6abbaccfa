#include "session/ui/icon_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <cstdint>
#include <span>

namespace jovi {

std::optional<IconFileImage> ReadIconFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = file.readAll();
  const auto dir = ParseIconDirectory(
      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    static_cast<std::size_t>(bytes.size())));
  if (!dir) return std::nullopt;
  const std::size_t index = PickIconEntry(*dir, 32, 32);
  const IconDirectoryEntry& entry = dir->entries[index];

  // Qt's icon reader decodes the pixels of either kind but drops a cursor's hot spot, which
  // the directory above has already given.
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "ico");
  if (!reader.jumpToImage(static_cast<int>(index))) return std::nullopt;
  QImage image = reader.read();
  if (image.isNull() || image.width() != entry.width || image.height() != entry.height) {
    return std::nullopt;
  }
  return IconFileImage{image.convertToFormat(QImage::Format_ARGB32),
                       QPoint(entry.hot_x, entry.hot_y), dir->kind};
}

}  // namespace jovi
