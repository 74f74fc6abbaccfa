// The cross-hair cursor of the telescope view.
#pragma once

#include <QCursor>
#include <QString>

namespace jovi {

// The cursor in "XPXHAIR.CUR" in `program_dir`, with the hot spot the file names;
// the toolkit's cross cursor when the file is missing or unreadable.
QCursor LoadCrossHairCursor(const QString& program_dir);

}  // namespace jovi
