// The observer's place as typed: coordinates with signs or hemisphere letters, the dialog's
// fields and their messages, and the place as text.
#include "sky/observer_place.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace jovi {
namespace {

TEST(ObserverPlace, LatitudesWithSignsOrLetters) {
  struct Case {
    const char* text;
    double value;
  };
  const Case good[] = {
      {"52.37", 52.37},
      {"+52.37", 52.37},
      {"-33.87", -33.87},
      {"52.37N", 52.37},
      {"52.37 n", 52.37},
      {"N52.37", 52.37},
      {"n 52.37", 52.37},
      {"33.87S", -33.87},
      {"33.87\xC2\xB0S", -33.87},
      {"33.87\xC2\xB0 S", -33.87},
      {" 90 ", 90},
      {"90S", -90},
      {"0", 0},
      {".5N", 0.5},
      {"52", 52},
      {"52.37\xC2\xB0", 52.37},
  };
  for (const Case& c : good) {
    std::string why;
    const auto v = ParseLatitude(c.text, &why);
    ASSERT_TRUE(v) << c.text << ": " << why;
    EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
  }
  EXPECT_FALSE(std::signbit(*ParseLatitude("0S")));  // no negative zero

  for (const char* bad : {"", "  ", "N", "52.37E", "4.89W", "-52.37N", "+52N", "52,37", "1e1",
                          "52.37NN", "N52.37S", "abc", "52.3.7", "0x10", "inf", "nan"}) {
    std::string why;
    EXPECT_FALSE(ParseLatitude(bad, &why)) << bad;
    EXPECT_FALSE(why.empty()) << bad;
  }
  std::string why;
  EXPECT_FALSE(ParseLatitude("90.01", &why));
  EXPECT_EQ(why, "The latitude must lie between 90\xC2\xB0 S and 90\xC2\xB0 N.");
  EXPECT_FALSE(ParseLatitude("4.89E", &why));
  EXPECT_NE(why.find("takes the letters N and S"), std::string::npos) << why;
}

TEST(ObserverPlace, LongitudesEastPositive) {
  EXPECT_DOUBLE_EQ(*ParseLongitude("4.89E"), 4.89);
  EXPECT_DOUBLE_EQ(*ParseLongitude("71.06W"), -71.06);
  EXPECT_DOUBLE_EQ(*ParseLongitude("W 71.06"), -71.06);
  EXPECT_DOUBLE_EQ(*ParseLongitude("-71.06"), -71.06);
  EXPECT_DOUBLE_EQ(*ParseLongitude("180"), 180);
  EXPECT_DOUBLE_EQ(*ParseLongitude("180W"), -180);
  std::string why;
  EXPECT_FALSE(ParseLongitude("180.5", &why));
  EXPECT_EQ(why, "The longitude must lie between 180\xC2\xB0 W and 180\xC2\xB0 E.");
  EXPECT_FALSE(ParseLongitude("52N", &why));
  EXPECT_NE(why.find("takes the letters E and W"), std::string::npos) << why;
}

TEST(ObserverPlace, BothInOneText) {
  struct Case {
    const char* text;
    double lat, lon;
  };
  const Case good[] = {
      {"52.37N 4.89E", 52.37, 4.89},     {"52.37 N 4.89 E", 52.37, 4.89},
      {"N52.37 E4.89", 52.37, 4.89},     {"52.37, 4.89", 52.37, 4.89},
      {"-33.87 151.21", -33.87, 151.21}, {"33.87S,151.21E", -33.87, 151.21},
      {"69.65N 18.96E", 69.65, 18.96},   {"42.36n 71.06w", 42.36, -71.06},
  };
  for (const Case& c : good) {
    std::string why;
    const auto p = ParsePosition(c.text, &why);
    ASSERT_TRUE(p) << c.text << ": " << why;
    EXPECT_DOUBLE_EQ(p->latitude_deg, c.lat) << c.text;
    EXPECT_DOUBLE_EQ(p->longitude_deg, c.lon) << c.text;
  }
  for (const char* bad : {"", "52.37N", "4.89E 52.37N", "52.37, 4.89, 3", "52 4 3", "95 4"}) {
    std::string why;
    EXPECT_FALSE(ParsePosition(bad, &why)) << bad;
    EXPECT_FALSE(why.empty()) << bad;
  }
  std::string why;
  ParsePosition("95N 4E", &why);
  EXPECT_NE(why.find("must lie between"), std::string::npos) << why;
}

TEST(ObserverPlace, DialogFieldsChecked) {
  SiteEntry e = CheckSiteEntry("52.37N", "4.89E", "2", "  Amsterdam  ");
  ASSERT_TRUE(e.place) << e.error;
  EXPECT_EQ(e.error, "");
  EXPECT_DOUBLE_EQ(e.place->latitude_deg, 52.37);
  EXPECT_DOUBLE_EQ(e.place->longitude_deg, 4.89);
  EXPECT_DOUBLE_EQ(e.place->height_m, 2);
  EXPECT_EQ(e.place->name, "Amsterdam");

  // Both coordinates in the first field; no height, no name.
  e = CheckSiteEntry("33.87S 151.21E", "", "", "");
  ASSERT_TRUE(e.place) << e.error;
  EXPECT_DOUBLE_EQ(e.place->latitude_deg, -33.87);
  EXPECT_DOUBLE_EQ(e.place->longitude_deg, 151.21);
  EXPECT_DOUBLE_EQ(e.place->height_m, 0);
  EXPECT_EQ(e.place->name, "");
  EXPECT_DOUBLE_EQ(CheckSiteEntry("0", "0", "430.5 m", "").place->height_m, 430.5);

  struct Bad {
    const char* lat;
    const char* lon;
    const char* height;
    const char* name;
    SiteEntry::Field field;
  };
  const std::string long_name(61, 'x');
  const Bad bad[] = {
      {"", "", "", "", SiteEntry::Field::Latitude},
      {"52.37", "", "", "", SiteEntry::Field::Longitude},
      {"91", "4", "", "", SiteEntry::Field::Latitude},
      {"52", "4N", "", "", SiteEntry::Field::Longitude},
      {"52", "4", "high", "", SiteEntry::Field::Height},
      {"52", "4", "9001", "", SiteEntry::Field::Height},
      {"52", "4", "-501", "", SiteEntry::Field::Height},
      {"52", "4", "1e3", "", SiteEntry::Field::Height},
      {"52", "4", "", long_name.c_str(), SiteEntry::Field::Name},
      {"52", "4", "", "two\nlines", SiteEntry::Field::Name},
  };
  for (const Bad& b : bad) {
    const SiteEntry r = CheckSiteEntry(b.lat, b.lon, b.height, b.name);
    EXPECT_FALSE(r.place) << b.lat << "|" << b.lon << "|" << b.height << "|" << b.name;
    EXPECT_EQ(r.field, b.field) << b.lat << "|" << b.lon << "|" << b.height;
    EXPECT_FALSE(r.error.empty());
  }
  // The message speaks of what was typed: one coordinate, or a pair.
  EXPECT_NE(CheckSiteEntry("52.37E", "", "", "").error.find("takes the letters N and S"),
            std::string::npos);
  EXPECT_NE(CheckSiteEntry("52.37E 4.89N", "", "", "").error.find("a latitude and a longitude"),
            std::string::npos);
  // Sixty characters, counted as characters: "ø" is one.
  std::string sixty;
  for (int i = 0; i < 30; ++i) sixty += "\xC3\xB8x";
  EXPECT_TRUE(CheckSiteEntry("52", "4", "", sixty).place);
}

TEST(ObserverPlace, StoredValuesValidated) {
  EXPECT_TRUE(IsValidPlace(ObserverPlace{52.37, 4.89, 2, "Amsterdam"}));
  EXPECT_TRUE(IsValidPlace(ObserverPlace{-90, 180, -500, ""}));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(IsValidPlace(ObserverPlace{nan, 0, 0, ""}));
  EXPECT_FALSE(IsValidPlace(ObserverPlace{0, 181, 0, ""}));
  EXPECT_FALSE(IsValidPlace(ObserverPlace{0, 0, 10000, ""}));
  EXPECT_FALSE(IsValidPlace(ObserverPlace{0, 0, 0, std::string(61, 'x')}));
}

TEST(ObserverPlace, AsText) {
  EXPECT_EQ(LatitudeFieldText(52.37), "52.3700N");
  EXPECT_EQ(LatitudeFieldText(-33.87), "33.8700S");
  EXPECT_EQ(LongitudeFieldText(-71.06), "71.0600W");
  EXPECT_EQ(LongitudeFieldText(0), "0.0000E");
  EXPECT_EQ(HeightFieldText(2), "2");
  EXPECT_EQ(HeightFieldText(-12.5), "-12.5");
  EXPECT_EQ(PlaceText(ObserverPlace{52.37, 4.89, 0, ""}), "52.37\xC2\xB0 N, 4.89\xC2\xB0 E");
  EXPECT_EQ(PlaceText(ObserverPlace{-33.87, 151.21, 58, "Sydney"}),
            "Sydney (33.87\xC2\xB0 S, 151.21\xC2\xB0 E, 58 m)");
  // What the fields show reads back as the same place.
  const ObserverPlace p{-33.8688, -151.2093, 0, ""};
  const SiteEntry e = CheckSiteEntry(LatitudeFieldText(p.latitude_deg),
                                     LongitudeFieldText(p.longitude_deg), "", "");
  ASSERT_TRUE(e.place);
  EXPECT_DOUBLE_EQ(e.place->latitude_deg, p.latitude_deg);
  EXPECT_DOUBLE_EQ(e.place->longitude_deg, p.longitude_deg);
}

}  // namespace
}  // namespace jovi
