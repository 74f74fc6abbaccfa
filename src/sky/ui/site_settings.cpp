#include "sky/ui/site_settings.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <cmath>

#include "platform/folders.h"
#include "platform/user_name.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {

constexpr const char* kGroup = "ObservingSite";
constexpr Real kUnixEpochJD = 2440587.5_r;
// Instants the zone database is asked about (years about 1600..2800); outside, the nearest.
constexpr Real kFirstAskedJD = 2305447.5_r;
constexpr Real kLastAskedJD = 2743931.5_r;

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

QByteArray LoadSiteTimeZoneId() {
  QSettings settings(ObservingSiteFile(), QSettings::IniFormat);
  settings.beginGroup(QString::fromLatin1(kGroup));
  const QByteArray id = settings.value(QStringLiteral("TimeZone")).toString().toLatin1();
  return QTimeZone::isTimeZoneIdAvailable(id) ? id : QByteArray();
}

bool SaveSiteTimeZoneId(const QByteArray& id) {
  const QString file = ObservingSiteFile();
  if (!QDir().mkpath(QFileInfo(file).absolutePath())) return false;
  QSettings settings(file, QSettings::IniFormat);
  settings.beginGroup(QString::fromLatin1(kGroup));
  if (id.isEmpty()) {
    settings.remove(QStringLiteral("TimeZone"));
  } else {
    settings.setValue(QStringLiteral("TimeZone"), QString::fromLatin1(id));
  }
  settings.endGroup();
  settings.sync();
  return settings.status() == QSettings::NoError;
}

QTimeZone SiteTimeZone(const QByteArray& id) {
  if (!id.isEmpty()) {
    QTimeZone zone(id);
    if (zone.isValid()) return zone;
  }
  return QTimeZone::systemTimeZone();
}

SiteZone SiteZoneOf(const QTimeZone& zone) {
  SiteZone site;
  site.name = zone.id().toStdString();
  site.zone_hours_at = [zone](Real jd_ut) {
    if (!std::isfinite(jd_ut)) return 0.0;
    const Real jd = std::clamp(jd_ut, kFirstAskedJD, kLastAskedJD);
    const auto ms = static_cast<qint64>(std::llround((jd - kUnixEpochJD) * 86400000.0_r));
    const QDateTime utc = QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc());
    return -zone.offsetFromUtc(utc) / 3600.0;
  };
  return site;
}

}  // namespace jovi
