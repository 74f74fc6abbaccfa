// The observer's place in the user's configuration: the file "Jovitrack.conf" in the
// organisation's XDG configuration folder ("~/.config/ZEVA/"), group [ObservingSite], read and
// written through QSettings. Nothing else of the program is kept there, and the options file
// is not touched.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTimeZone>
#include <optional>

#include "sky/observer_place.h"
#include "sky/site_zone.h"

namespace jovi {

// The settings file, found anew at every call (the XDG folders may change under tests).
QString ObservingSiteFile();

// The stored place; nothing when none is stored or the stored values do not make a place.
std::optional<ObserverPlace> LoadObservingSite();

// Stores the place, or removes it (nothing); false when the file could not be written.
bool SaveObservingSite(const std::optional<ObserverPlace>& place);

// The site's time zone: an IANA id ("America/New_York") kept with the place, or empty for the
// computer's own zone. An unknown stored id is taken as the computer's own.
QByteArray LoadSiteTimeZoneId();
bool SaveSiteTimeZoneId(const QByteArray& id);
QTimeZone SiteTimeZone(const QByteArray& id);

// The zone's rule for the core: the offset in force at each instant, daylight saving included.
SiteZone SiteZoneOf(const QTimeZone& zone);

}  // namespace jovi
