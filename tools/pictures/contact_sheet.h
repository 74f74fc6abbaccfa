// One picture for a person to look over what the generator shipped: every 24th rotation
// picture, the seven cloudy skies, the three title pictures, the cursor and the arrow (read
// back as the program reads them, hot spot marked) and the desktop icon's sizes.
#pragma once

#include <QImage>
#include <QString>

namespace jovi::pictures {

// The sheet, from the files in `data_dir` and `icon_dir`; a missing file shows as a red box.
QImage ContactSheet(const QString& data_dir, const QString& icon_dir);

}  // namespace jovi::pictures
