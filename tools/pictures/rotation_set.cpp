#include "rotation_set.h"

#include <atomic>

#include "jupiter_disc.h"
#include "palette.h"
#include "parallel.h"
#include "shipped_file.h"

namespace jovi::pictures {

double RotationPictureMeridian(int k) {
  return (k - kRedSpotPicture) * (360.0 / kRotationPictures);
}

QString RotationPictureName(int k) {
  return QStringLiteral("Jup%1.BMP").arg(k, 3, 10, QLatin1Char('0'));
}

bool WriteRotationSet(const JupiterMap& map, const QString& folder) {
  const JupiterDisc disc(kRotationPictureWidth);
  std::atomic<bool> ok{true};
  ParallelFor(kRotationPictures, [&](int i) {
    const int k = i + 1;
    const QImage picture = ToIndexed8(disc.Render(map, RotationPictureMeridian(k)));
    if (!SaveImage(picture, folder + "/" + RotationPictureName(k), "BMP")) ok = false;
  });
  return ok;
}

}  // namespace jovi::pictures
