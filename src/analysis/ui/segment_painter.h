// Painting of seven-segment cells: the face, every segment dim, the lit ones bright.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

#include <vector>

#include "analysis/seven_segment.h"

namespace jovi {

inline constexpr int kSegmentCellWidth = 16;
inline constexpr int kSegmentCellHeight = 22;

// The cells side by side, right-aligned in `area` on a black face with a sunken edge. Powered,
// the unlit segments glow faintly; switched off, the face is blank.
void PaintReadout(QPainter& painter, const QRect& area, const std::vector<SegmentCell>& cells,
                  const QColor& lit, bool powered);

}  // namespace jovi
