#include "sky/ui/site_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "platform/folders.h"
#include "platform/user_name.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {

constexpr const char* kGroup = "ObservingSite";

}  // namespace

QString ObservingSiteFile() {
  return ToQt(PerUserConfigFolder(LoggedInUserName())) + QStringLiteral("Jovitrack.conf");
}

std::optional<ObserverPlace> LoadObservingSite() {
  QSettings settings(ObservingSiteFile(), QSettings::IniFormat);
  settings.beginGroup(QString::fromLatin1(kGroup));
  if (!settings.contains(QStringLiteral("Latitude")) ||
      !settings.contains(QStringLiteral("Longitude"))) {
    return std::nullopt;
  }
  bool lat_ok = false, lon_ok = false, height_ok = true;
  ObserverPlace place;
  place.latitude_deg = settings.value(QStringLiteral("Latitude")).toDouble(&lat_ok);
  place.longitude_deg = settings.value(QStringLiteral("Longitude")).toDouble(&lon_ok);
  if (settings.contains(QStringLiteral("Height"))) {
    place.height_m = settings.value(QStringLiteral("Height")).toDouble(&height_ok);
  }
  place.name = FromQt(settings.value(QStringLiteral("Name")).toString());
  if (!lat_ok || !lon_ok || !height_ok || !IsValidPlace(place)) return std::nullopt;
  return place;
}

bool SaveObservingSite(const std::optional<ObserverPlace>& place) {
  const QString file = ObservingSiteFile();
  if (!QDir().mkpath(QFileInfo(file).absolutePath())) return false;
  QSettings settings(file, QSettings::IniFormat);
  settings.beginGroup(QString::fromLatin1(kGroup));
  if (place) {
    settings.setValue(QStringLiteral("Latitude"), place->latitude_deg);
    settings.setValue(QStringLiteral("Longitude"), place->longitude_deg);
    settings.setValue(QStringLiteral("Height"), place->height_m);
    settings.setValue(QStringLiteral("Name"), ToQt(place->name));
  } else {
    settings.remove(QString());
  }
  settings.endGroup();
  settings.sync();  // written to a temporary file and renamed into place
  return settings.status() == QSettings::NoError;
}

}  // namespace jovi
