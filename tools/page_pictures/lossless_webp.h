// Lossless WebP through libwebp: the page's compact copies of the shipped pictures.
#pragma once

#include <QByteArray>
#include <QImage>

namespace jovi::page_pictures {

// The picture as lossless WebP; empty when it cannot be encoded.
QByteArray EncodeLosslessWebp(const QImage& picture);

// The picture in `bytes` as RGB888; a null image when they are no WebP picture.
QImage DecodeWebp(const QByteArray& bytes);

// Whether two pictures have the same size and the same colour at every pixel (whatever their
// formats: an indexed bitmap matches its RGB copy).
bool SamePixels(const QImage& a, const QImage& b);

}  // namespace jovi::page_pictures
