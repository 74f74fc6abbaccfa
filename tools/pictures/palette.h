// 8-bit pictures: a picture reduced to a 256-colour palette of its own, fitted to it by median
// cut. Colour 0 is black, kept exact, so what is black stays black.
#pragma once

#include <QImage>

namespace jovi::pictures {

// `image` (RGB32, or premultiplied ARGB32 taken as seen over black) as an 8-bit picture with a
// 256-entry colour table, so that it is saved as an 8-bit bitmap. A light ordered dither hides
// the steps of smooth shading.
QImage ToIndexed8(const QImage& image);

}  // namespace jovi::pictures
