// Paints the analysis plot that the core laid out into an image of the plot panel.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include "analysis/plot_picture.h"

namespace jovi {

inline QColor ToQColor(const PlotColour& c) { return QColor(c.r, c.g, c.b); }

// The plot's font: the window's font at 10 points, bold.
QFont PlotFont(const QFont& window_font);

// Fills `painter`'s device with the background, then draws every shape in order.
void PaintPlotPicture(QPainter& painter, const QSize& size, const PlotPicture& picture,
                      bool monochrome, const QFont& font);

}  // namespace jovi
