// The fonts of the help windows and how their lines are measured for sizing.
#pragma once

#include <QFont>

#include "lists/list_window_size.h"

namespace jovi {

// "Courier New", bold, as the help window and the topic dialog show their lines.
QFont HelpListFont();

// Line widths and heights in `font`.
ListMetrics HelpListMetrics(const QFont& font);

}  // namespace jovi
