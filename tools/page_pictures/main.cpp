// jovi-page-pictures: the browser edition's copies of the shipped pictures, as lossless WebP
// (a fraction of the bitmaps' size, for the page's offline copy). The desktop keeps its bitmaps.
//
//   jovi-page-pictures SOURCE_DIR DEST_DIR FOLDER...
//       every picture in each FOLDER below SOURCE_DIR written below DEST_DIR under the page's
//       name for it, once it is known to decode to the same pixels
//   jovi-page-pictures --check SOURCE_DIR DEST_DIR FOLDER...
//       every picture in each FOLDER below SOURCE_DIR has its page copy below DEST_DIR, and
//       that copy decodes to exactly the picture's pixels
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "lossless_webp.h"
#include "parallel.h"
#include "shipped_file.h"
#include "web/page_picture.h"

namespace {

using jovi::page_pictures::DecodeWebp;
using jovi::page_pictures::EncodeLosslessWebp;
using jovi::page_pictures::SamePixels;

int Usage() {
  std::fprintf(stderr,
               "usage: jovi-page-pictures [--check] SOURCE_DIR DEST_DIR FOLDER...\n");
  return 2;
}

// A picture's path below the source folder, and the page's copy's below the destination.
struct Picture {
  QString source;
  QString page;
};

// The pictures in the folders, in order; an empty list (with the reason said) when a folder
// holds none, so that a missing set never passes for a converted one.
std::vector<Picture> PicturesIn(const QString& source_dir, const QStringList& folders) {
  std::vector<Picture> pictures;
  for (const QString& folder : folders) {
    const QStringList names = QDir(source_dir + "/" + folder).entryList(QDir::Files, QDir::Name);
    if (names.isEmpty()) {
      std::fprintf(stderr, "No pictures in %s/%s\n", qPrintable(source_dir), qPrintable(folder));
      return {};
    }
    for (const QString& name : names) {
      const QString source = folder + "/" + name;
      const std::string page = jovi::web::PagePictureName(source.toStdString());
      pictures.push_back({source, QString::fromStdString(page)});
    }
  }
  return pictures;
}

QImage ReadPicture(const QString& path) {
  QImage picture(path);
  if (picture.isNull()) std::fprintf(stderr, "Cannot read the picture %s\n", qPrintable(path));
  return picture;
}

int Convert(const QString& source_dir, const QString& dest_dir, const QStringList& folders) {
  const std::vector<Picture> pictures = PicturesIn(source_dir, folders);
  if (pictures.empty()) return 1;
  std::atomic<bool> ok{true};
  std::atomic<long long> bytes{0};
  jovi::pictures::ParallelFor(static_cast<int>(pictures.size()), [&](int i) {
    const Picture& p = pictures[static_cast<size_t>(i)];
    const QImage picture = ReadPicture(source_dir + "/" + p.source);
    const QByteArray webp = picture.isNull() ? QByteArray() : EncodeLosslessWebp(picture);
    if (picture.isNull() || webp.isEmpty() || !SamePixels(picture, DecodeWebp(webp))) {
      if (!picture.isNull()) std::fprintf(stderr, "Cannot convert %s\n", qPrintable(p.source));
      ok = false;
      return;
    }
    const std::vector<std::uint8_t> data(webp.begin(), webp.end());
    if (!jovi::pictures::SaveBytes(data, dest_dir + "/" + p.page)) ok = false;
    bytes += webp.size();
  });
  if (!ok) return 1;
  std::printf("%zu pictures for the page, %.2f MB\n", pictures.size(), bytes / 1e6);
  return 0;
}

int Check(const QString& source_dir, const QString& dest_dir, const QStringList& folders) {
  const std::vector<Picture> pictures = PicturesIn(source_dir, folders);
  if (pictures.empty()) return 1;
  std::atomic<int> failed{0};
  std::atomic<long long> bytes{0};
  jovi::pictures::ParallelFor(static_cast<int>(pictures.size()), [&](int i) {
    const Picture& p = pictures[static_cast<size_t>(i)];
    QFile file(dest_dir + "/" + p.page);
    const QByteArray webp = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const QImage picture = ReadPicture(source_dir + "/" + p.source);
    if (webp.isEmpty() || picture.isNull() || !SamePixels(picture, DecodeWebp(webp))) {
      std::fprintf(stderr, "%s is not %s: %s\n", qPrintable(file.fileName()),
                   qPrintable(p.source),
                   webp.isEmpty() ? "missing or empty" : "other pixels, or no WebP picture");
      ++failed;
    }
    bytes += webp.size();
  });
  std::printf("%zu pictures checked, %d differ; the page's copies %.2f MB\n", pictures.size(),
              failed.load(), bytes / 1e6);
  return failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const bool check = !args.isEmpty() && args.front() == QLatin1String("--check");
  if (check) args.pop_front();
  if (args.size() < 3 || args.front().startsWith('-')) return Usage();
  const QString source_dir = args.takeFirst();
  const QString dest_dir = args.takeFirst();
  return check ? Check(source_dir, dest_dir, args) : Convert(source_dir, dest_dir, args);
}
