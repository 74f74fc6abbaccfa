// Writing the generated files: each goes to a temporary file that is renamed into place, so a
// reader never sees half a picture and an interrupted build leaves no broken file behind.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace jovi::pictures {

// Saves `image` in `format` ("BMP", "PNG") at `path`, creating its folder. On failure prints
// the reason on stderr and returns false.
bool SaveImage(const QImage& image, const QString& path, const char* format);

// Writes `bytes` to `path` the same way.
bool SaveBytes(const std::vector<std::uint8_t>& bytes, const QString& path);

// Writes `text` to `path` the same way.
bool SaveText(const QString& text, const QString& path);

}  // namespace jovi::pictures
