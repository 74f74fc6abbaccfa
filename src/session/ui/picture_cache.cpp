#include "session/ui/picture_cache.h"

namespace jovi {

const QImage& PictureCache::Load(const QString& path) {
  const auto found = pictures_.constFind(path);
  if (found != pictures_.constEnd()) return *found;
  QImage picture(path);
  if (picture.isNull()) return none_;
  if (pictures_.size() >= kMaxPictures) pictures_.clear();
  // Converted once to the format the view paints fastest.
  return *pictures_.insert(path, picture.convertToFormat(QImage::Format_RGB32));
}

}  // namespace jovi
