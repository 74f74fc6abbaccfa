// Decoded pictures kept by path (the cloud pictures, drawn over every redraw while a cloud
// lasts). It holds a few pictures at most: the 573 rotation pictures would take 140 MB, and
// reading one from disk costs a fraction of a millisecond.
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
  static constexpr qsizetype kMaxPictures = 8;

 private:
  QHash<QString, QImage> pictures_;
  QImage none_;
};

}  // namespace jovi
