#include "shipped_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <functional>

namespace jovi::pictures {

namespace {
bool Save(const QString& path, const std::function<bool(QSaveFile&)>& write) {
  QSaveFile file(path);
  const bool ok = QDir().mkpath(QFileInfo(path).absolutePath()) &&
                  file.open(QIODevice::WriteOnly) && write(file) && file.commit();
  if (!ok) {
    std::fprintf(stderr, "Cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
  }
  return ok;
}
}  // namespace

bool SaveImage(const QImage& image, const QString& path, const char* format) {
  return Save(path, [&](QSaveFile& file) { return image.save(&file, format); });
}

bool SaveBytes(const std::vector<std::uint8_t>& bytes, const QString& path) {
  return Save(path, [&](QSaveFile& file) {
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
  });
}

bool SaveText(const QString& text, const QString& path) {
  const QByteArray utf8 = text.toUtf8();
  return Save(path, [&](QSaveFile& file) { return file.write(utf8) == utf8.size(); });
}

}  // namespace jovi::pictures
