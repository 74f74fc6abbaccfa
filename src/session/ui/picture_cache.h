// Decoded pictures kept by path, so the rotation and cloud pictures are read from disk once.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace jovi {

class PictureCache {
 public:
  // The picture at `path`; a null image when it cannot be loaded (not kept, so a picture
  // that appears later is found).
  const QImage& Load(const QString& path);
  void Clear() { pictures_.clear(); }

 private:
  QHash<QString, QImage> pictures_;
  QImage none_;
};

}  // namespace jovi
