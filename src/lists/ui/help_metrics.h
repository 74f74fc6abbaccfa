// The list windows of the help system and the hotlist: their font, how their lines are
// measured, their size, and the highlighted line.
#pragma once

#include <QFont>
#include <string>
#include <vector>

#include "lists/list_window_size.h"

class QListWidget;
class QMenuBar;
class QWidget;

namespace jovi {

// "Courier New", bold, as the help window and the topic dialog show their lines.
QFont HelpListFont();

// Line widths and heights in `font`.
ListMetrics HelpListMetrics(const QFont& font);

// Fills `list` with `lines` and gives `window` the client size for them (below its menu bar).
void ShowListLines(QWidget& window, QMenuBar& menu, QListWidget& list,
                   const std::vector<std::string>& lines, int min_width, int margin);

// The highlighted line, -1 when none.
int HighlightedRow(const QListWidget& list);
// Highlights line `row` and scrolls to it; nothing for a row outside the list.
void HighlightRow(QListWidget& list, int row);

}  // namespace jovi
