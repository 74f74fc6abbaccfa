// The observer's place on the Earth: latitude, longitude, height and an optional name, and the
// rules for the text a person types for them. The dialog that edits the place only forwards
// its fields here; the place itself is kept in the user's configuration (sky/ui/site_settings).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace jovi {

struct ObserverPlace {
  double latitude_deg = 0;   // north positive, -90 .. 90
  double longitude_deg = 0;  // east positive, -180 .. 180
  double height_m = 0;       // above sea level
  std::string name;          // may be empty
};

// The limits a place must keep.
inline constexpr double kLowestHeightM = -500;   // the Dead Sea shore is at -430 m
inline constexpr double kHighestHeightM = 9000;  // above every summit
inline constexpr std::size_t kMostPlaceNameCharacters = 60;

// A latitude or a longitude typed as decimal degrees: a signed number ("-33.87", "+4.89"), or
// an unsigned number with its hemisphere letter before or after it, blanks and a degree sign
// allowed between ("52.37N", "52.37 n", "N52.37", "33.87°S", "4.89E", "W 71.06"). N and E are
// positive, S and W negative; a letter and a sign together are refused. Nothing, and the
// reason in `error` when given, for any other text or a value outside -90..90 (latitude) or
// -180..180 (longitude).
std::optional<double> ParseLatitude(std::string_view text, std::string* error = nullptr);
std::optional<double> ParseLongitude(std::string_view text, std::string* error = nullptr);

// Both in one text, latitude first, separated by blanks or a comma: "52.37N 4.89E",
// "52.37, 4.89", "-33.87 151.21".
struct LatitudeLongitude {
  double latitude_deg = 0;
  double longitude_deg = 0;
};
std::optional<LatitudeLongitude> ParsePosition(std::string_view text, std::string* error = nullptr);

// The observing-site dialog's fields, checked: the place, or the first field at fault and why.
// The longitude may be left empty when the latitude field holds both ("52.37N 4.89E"); an
// empty height is 0 m; the name is trimmed.
struct SiteEntry {
  std::optional<ObserverPlace> place;
  std::string error;  // "" when the place is good
  enum class Field { None, Latitude, Longitude, Height, Name } field = Field::None;
};
SiteEntry CheckSiteEntry(std::string_view latitude, std::string_view longitude,
                         std::string_view height, std::string_view name);

// Whether stored values make a place (finite, within their ranges): a damaged configuration
// file is treated as no place at all.
bool IsValidPlace(const ObserverPlace& place);

// "52.3700N", "4.8900E", "33.8700S": the fields as the dialog shows a stored place.
std::string LatitudeFieldText(double latitude_deg);
std::string LongitudeFieldText(double longitude_deg);
// "2", "-12.5": the height field.
std::string HeightFieldText(double height_m);

// "52.37° N, 4.89° E", and "Amsterdam (52.37° N, 4.89° E)" with a name; the height follows
// when it is not 0 ("..., 2 m").
std::string PlaceText(const ObserverPlace& place);

}  // namespace jovi
