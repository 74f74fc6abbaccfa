#include "sky/observer_place.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

#include "util/number_text.h"
#include "util/real.h"
#include "util/utf8_text.h"

namespace jovi {

namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A plain decimal: an optional sign, digits with an optional fraction ("52", "-4.89", ".5").
bool IsPlainDecimal(std::string_view text, bool sign_allowed) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    if (!sign_allowed) return false;
    text.remove_prefix(1);
  }
  bool digits = false;
  bool point = false;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

struct Axis {
  const char* what;      // "latitude"
  char positive;         // 'N'
  char negative;         // 'S'
  double limit;          // 90
  const char* examples;  // "52.37, 52.37N or -33.87 (33.87S)"
};

constexpr Axis kLatitude = {"latitude", 'N', 'S', 90, "52.37, 52.37N, -33.87 or 33.87S"};
constexpr Axis kLongitude = {"longitude", 'E', 'W', 180, "4.89, 4.89E, -71.06 or 71.06W"};

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

std::optional<double> ParseCoordinate(std::string_view text, const Axis& axis, std::string* error) {
  const std::string form_error =
      std::string("The ") + axis.what + " must be decimal degrees, such as " + axis.examples + ".";
  std::string_view t = Trimmed(text);
  // The hemisphere letter, at either end.
  int sign = 0;
  auto letter_sign = [&](char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == axis.positive) return 1;
    if (upper == axis.negative) return -1;
    return 0;
  };
  auto is_other_letter = [&](char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == 'N' || upper == 'S' || upper == 'E' || upper == 'W';
  };
  if (!t.empty() && letter_sign(t.back()) != 0) {
    sign = letter_sign(t.back());
    t.remove_suffix(1);
  } else if (!t.empty() && letter_sign(t.front()) != 0) {
    sign = letter_sign(t.front());
    t.remove_prefix(1);
  } else if (!t.empty() && (is_other_letter(t.back()) || is_other_letter(t.front()))) {
    SetError(error, std::string("A ") + axis.what + " takes the letters " + axis.positive +
                        " and " + axis.negative + ": " + form_error);
    return std::nullopt;
  }
  t = Trimmed(t);
  if (t.size() >= kDegreeSign.size() && t.substr(t.size() - kDegreeSign.size()) == kDegreeSign) {
    t.remove_suffix(kDegreeSign.size());
    t = Trimmed(t);
  }
  if (!IsPlainDecimal(t, sign == 0)) {
    SetError(error, form_error);
    return std::nullopt;
  }
  const std::optional<Real> value = ParseNumber(t);
  if (!value) {
    SetError(error, form_error);
    return std::nullopt;
  }
  const double degrees = static_cast<double>(*value) * (sign < 0 ? -1 : 1);
  if (!(std::fabs(degrees) <= axis.limit)) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "The %s must lie between %g%s %c and %g%s %c.", axis.what,
                  axis.limit, kDegreeSign.data(), axis.negative, axis.limit, kDegreeSign.data(),
                  axis.positive);
    SetError(error, buf);
    return std::nullopt;
  }
  return degrees == 0 ? 0.0 : degrees;  // no negative zero
}

std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) tokens.push_back(text.substr(start, i - start));
  }
  return tokens;
}

// The tokens [from, to) with single blanks between them.
std::string Joined(const std::vector<std::string_view>& tokens, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t k = from; k < to; ++k) {
    if (!out.empty()) out += ' ';
    out += tokens[k];
  }
  return out;
}

// How many separate runs of digits the text holds.
int NumberCount(std::string_view text) {
  int count = 0;
  bool in_number = false;
  for (char c : text) {
    const bool part = std::isdigit(static_cast<unsigned char>(c)) || c == '.';
    if (part && !in_number) ++count;
    in_number = part;
  }
  return count;
}

std::string Trimmed(double value, int decimals) {
  std::string text = FixedNumberText(value, decimals);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace

std::optional<double> ParseLatitude(std::string_view text, std::string* error) {
  return ParseCoordinate(text, kLatitude, error);
}

std::optional<double> ParseLongitude(std::string_view text, std::string* error) {
  return ParseCoordinate(text, kLongitude, error);
}

std::optional<LatitudeLongitude> ParsePosition(std::string_view text, std::string* error) {
  const std::string form_error =
      "The place must be a latitude and a longitude in decimal degrees, such as "
      "52.37N 4.89E or -33.87, 151.21.";
  const std::size_t comma = text.find(',');
  if (comma != std::string_view::npos) {
    if (text.find(',', comma + 1) != std::string_view::npos) {
      SetError(error, form_error);
      return std::nullopt;
    }
    std::string why;
    const auto lat = ParseLatitude(text.substr(0, comma), &why);
    if (!lat) {
      SetError(error, why);
      return std::nullopt;
    }
    const auto lon = ParseLongitude(text.substr(comma + 1), &why);
    if (!lon) {
      SetError(error, why);
      return std::nullopt;
    }
    return LatitudeLongitude{*lat, *lon};
  }
  // Without a comma: the first split of the blank-separated words that reads as a latitude
  // followed by a longitude ("52.37 N 4.89 E" splits after the N).
  const std::vector<std::string_view> tokens = Tokens(text);
  std::string first_reason;
  for (std::size_t k = 1; k < tokens.size(); ++k) {
    std::string why;
    const auto lat = ParseLatitude(Joined(tokens, 0, k), &why);
    const auto lon = lat ? ParseLongitude(Joined(tokens, k, tokens.size()), &why) : std::nullopt;
    if (lat && lon) return LatitudeLongitude{*lat, *lon};
    // A value out of its range is the more useful complaint than the form.
    if (first_reason.empty() && why.find("must lie") != std::string::npos) first_reason = why;
  }
  SetError(error, first_reason.empty() ? form_error : first_reason);
  return std::nullopt;
}

SiteEntry CheckSiteEntry(std::string_view latitude, std::string_view longitude,
                         std::string_view height, std::string_view name) {
  SiteEntry entry;
  ObserverPlace place;
  std::string why;
  if (Trimmed(longitude).empty()) {
    // Both in the latitude field, or the longitude missing.
    if (const auto both = ParsePosition(latitude, &why)) {
      place.latitude_deg = both->latitude_deg;
      place.longitude_deg = both->longitude_deg;
    } else if (ParseLatitude(latitude)) {
      entry.error =
          "Please type the longitude: decimal degrees, east positive, such as 4.89, "
          "4.89E or 71.06W.";
      entry.field = SiteEntry::Field::Longitude;
      return entry;
    } else {
      // One number typed: what is wrong with it as a latitude; two: with the pair.
      std::string latitude_why;
      ParseLatitude(latitude, &latitude_why);
      entry.error = Trimmed(latitude).empty()    ? "Please type the latitude and the longitude."
                    : NumberCount(latitude) <= 1 ? latitude_why
                                                 : why;
      entry.field = SiteEntry::Field::Latitude;
      return entry;
    }
  } else {
    const auto lat = ParseLatitude(latitude, &why);
    if (!lat) {
      entry.error = why;
      entry.field = SiteEntry::Field::Latitude;
      return entry;
    }
    const auto lon = ParseLongitude(longitude, &why);
    if (!lon) {
      entry.error = why;
      entry.field = SiteEntry::Field::Longitude;
      return entry;
    }
    place.latitude_deg = *lat;
    place.longitude_deg = *lon;
  }
  const std::string_view h = Trimmed(height);
  if (!h.empty()) {
    std::string_view number = h;
    if (number.size() > 1 && (number.back() == 'm' || number.back() == 'M')) {
      number = Trimmed(number.substr(0, number.size() - 1));
    }
    const std::optional<Real> metres =
        IsPlainDecimal(number, true) ? ParseNumber(number) : std::nullopt;
    if (!metres || *metres < kLowestHeightM || *metres > kHighestHeightM) {
      entry.error = "The height above sea level must be a number of metres from -500 to 9000.";
      entry.field = SiteEntry::Field::Height;
      return entry;
    }
    place.height_m = static_cast<double>(*metres);
  }
  const std::string_view n = Trimmed(name);
  for (char c : n) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      entry.error = "The name must be one line of text.";
      entry.field = SiteEntry::Field::Name;
      return entry;
    }
  }
  if (Utf8Length(n) > kMostPlaceNameCharacters) {
    entry.error = "The name may have at most 60 characters.";
    entry.field = SiteEntry::Field::Name;
    return entry;
  }
  place.name = std::string(n);
  entry.place = place;
  return entry;
}

bool IsValidPlace(const ObserverPlace& place) {
  return std::isfinite(place.latitude_deg) && std::fabs(place.latitude_deg) <= 90 &&
         std::isfinite(place.longitude_deg) && std::fabs(place.longitude_deg) <= 180 &&
         std::isfinite(place.height_m) && place.height_m >= kLowestHeightM &&
         place.height_m <= kHighestHeightM && Utf8Length(place.name) <= kMostPlaceNameCharacters;
}

std::string LatitudeFieldText(double latitude_deg) {
  return FixedNumberText(std::fabs(latitude_deg), 4) + (latitude_deg < 0 ? "S" : "N");
}

std::string LongitudeFieldText(double longitude_deg) {
  return FixedNumberText(std::fabs(longitude_deg), 4) + (longitude_deg < 0 ? "W" : "E");
}

std::string HeightFieldText(double height_m) { return Trimmed(height_m, 1); }

std::string PlaceText(const ObserverPlace& place) {
  std::string text = Trimmed(std::fabs(place.latitude_deg), 4) + std::string(kDegreeSign) +
                     (place.latitude_deg < 0 ? " S, " : " N, ") +
                     Trimmed(std::fabs(place.longitude_deg), 4) + std::string(kDegreeSign) +
                     (place.longitude_deg < 0 ? " W" : " E");
  if (place.height_m != 0) text += ", " + Trimmed(place.height_m, 1) + " m";
  return place.name.empty() ? text : place.name + " (" + text + ")";
}

}  // namespace jovi
