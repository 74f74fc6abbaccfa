// Saves a picture of a widget into $JOVI_SHOTS_DIR (when set), for a person to look at.
#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

namespace jovi::test {

inline void SaveScreenshot(QWidget& widget, const char* name) {
  const QString dir = qEnvironmentVariable("JOVI_SHOTS_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  widget.grab().save(dir + "/" + QString::fromLatin1(name) + ".png");
}

}  // namespace jovi::test
