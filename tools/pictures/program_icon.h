// The program's desktop icon: Jupiter in a telescope's dark field with its moons and a
// cross-hair on one of them. Drawn from one description both as an SVG file and, with
// QPainter, as PNG pictures of the usual sizes.
#pragma once

#include <QImage>
#include <QString>

namespace jovi::pictures {

// The icon as an SVG document on a 64 × 64 canvas.
QString ProgramIconSvg();

// The icon painted at `size` × `size` pixels (ARGB32, transparent round the field).
QImage ProgramIconImage(int size);

// Writes "hicolor/scalable/apps/jovitrack.svg" and "hicolor/<n>x<n>/apps/jovitrack.png" for
// the usual sizes into `folder`.
bool WriteProgramIcon(const QString& folder);

}  // namespace jovi::pictures
