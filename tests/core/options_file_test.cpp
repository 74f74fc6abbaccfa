#include "config/options_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "config/options_object.h"
#include "config/options_version.h"
#include "config/password.h"
#include "util/real.h"

namespace jovi {
namespace {

// A record whose every persisted field differs from its default.
OptsRec UnusualRecord() {
  OptsRec r;
  r.FileVersion = "2.119b";
  r.LogoBmp = "logo.bmp";
  r.TitleBmp = "title.bmp";
  r.RoemerBmp = "roemer.bmp";
  r.OnHelpFile = "onhelp.txt";
  r.MainHelpList = "main.lst";
  r.RoemerHelpList = "roemer.lst";
  r.AnalHelpList = "anal.lst";
  r.TopViewHelpList = "top.lst";
  r.UserHelpFile = "user.txt";
  r.ReminderFile = "remind.txt";
  r.OuterPlanetTable = "outer.dat";
  r.LeapSecondTable = "leap.txt";
  r.HotlistFile = "hot.htl";
  r.HomeURL = "https://example.org/";
  r.JupImgsDir = "jup";
  r.CloudImgsDir = "clouds";
  r.Reserved = std::string(255, 'R');
  r.LogFileName = "/var/log/zeva.log";
  ScramblePassword("Secret", r.PasswordWords, r.PasswordLen);
  r.LabTable = "T12";
  r.LoginRequired = false;
  r.TestMode = r.EditMode = r.WriteLog = true;
  r.IdentifyMoon = r.ShowDistance = r.AutoRecord = r.NewtonClouds = false;
  r.RoemerClouds = true;
  r.AllowRestart = r.AllowAnimation = r.AllowTopView = r.EclipseVisibility = false;
  r.MonoDisplay = r.PrintColor = true;
  r.NewtonCloudyPct = -5;
  r.RoemerCloudyPct = 100;
  r.AnimTimerMs = 65535;
  r.AnimStepHrs = std::numeric_limits<Real>::max();
  r.ObsStepHrs = std::numeric_limits<Real>::denorm_min();
  r.NewtonCloudHrs = -0.0_r;
  r.RoemerCloudHrs = 1.0_r / 3.0_r;
  r.RedSpotLong = -1.5f;
  r.ZoneDiffHrs = 7.25f;
  return r;
}

std::string TextAt(const std::vector<std::uint8_t>& b, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(&b[offset + 1]), b[offset]);
}

TEST(OptionsFile, EveryFieldLiesAtItsOffset) {
  const OptsRec r = UnusualRecord();
  const std::vector<std::uint8_t> b = EncodeOptions(r);
  ASSERT_EQ(b.size(), kOptionsFileSize);

  const struct { std::size_t offset; std::string text; } texts[] = {
      {0, "2.119b"},          {72, "logo.bmp"},       {144, "title.bmp"},
      {216, "roemer.bmp"},    {288, "onhelp.txt"},    {360, "main.lst"},
      {432, "roemer.lst"},    {504, "anal.lst"},      {576, "top.lst"},
      {648, "user.txt"},      {720, "remind.txt"},    {792, "outer.dat"},
      {864, "leap.txt"},      {936, "hot.htl"},       {1008, "https://example.org/"},
      {1264, "jup"},          {1520, "clouds"},       {1776, std::string(255, 'R')},
      {2032, "/var/log/zeva.log"}, {2305, "T12"},
  };
  for (const auto& t : texts) EXPECT_EQ(TextAt(b, t.offset), t.text) << "offset " << t.offset;

  EXPECT_EQ(b[2288], static_cast<std::uint8_t>(~'S'));  // the password, complemented
  EXPECT_EQ(b[2293], static_cast<std::uint8_t>(~'t'));
  EXPECT_EQ(b[2304], 6);
  const std::uint8_t flags[15] = {0, 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1};
  for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(b[2310 + i], flags[i]) << "flag " << i;
  EXPECT_EQ(b[2325], 0xFB);  // -5
  EXPECT_EQ(b[2328], 0xFF);
  EXPECT_EQ(b[2329], 100);
  EXPECT_EQ(b[2333], 0xFF);
  EXPECT_EQ(b[2334], 0xFF);
  if constexpr (kRealIsExtended) {
    EXPECT_EQ(b[2342], 0xFF);  // the largest extended: significand all ones, exponent 0x7FFE
    EXPECT_EQ(b[2343], 0xFE);
    EXPECT_EQ(b[2344], 0x7F);
  } else {
    EXPECT_EQ(b[2342], 0xFF);  // the largest double: 53 ones, exponent 1023 (0x43FE)
    EXPECT_EQ(b[2343], 0xFE);
    EXPECT_EQ(b[2344], 0x43);
  }
  float red_spot = 0;
  std::memcpy(&red_spot, &b[2375], 4);
  EXPECT_EQ(red_spot, -1.5f);
  float zone = 0;
  std::memcpy(&zone, &b[2379], 4);
  EXPECT_EQ(zone, 7.25f);
}

TEST(OptionsFile, DefaultStepsAreStoredAsExact80BitValues) {
  if constexpr (!kRealIsExtended) {
    GTEST_SKIP() << "the shipped steps are exact 80-bit values; a double Real writes its own";
  }
  const std::vector<std::uint8_t> b = EncodeOptions(OptsRec{});
  // 0.1 in extended precision: significand 0xCCCCCCCCCCCCCCCD, exponent 0x3FFB.
  const std::uint8_t tenth[10] = {0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F};
  EXPECT_EQ(0, std::memcmp(&b[2335], tenth, 10));
  // 24.0: significand 0xC000000000000000, exponent 0x4003.
  const std::uint8_t day[10] = {0, 0, 0, 0, 0, 0, 0, 0xC0, 0x03, 0x40};
  EXPECT_EQ(0, std::memcmp(&b[2345], day, 10));
}

TEST(OptionsFile, DecodingGivesBackEveryFieldBitForBit) {
  const OptsRec written = UnusualRecord();
  const std::vector<std::uint8_t> bytes = EncodeOptions(written);
  OptsRec read;
  ASSERT_TRUE(DecodeOptionsVersion(bytes, read));
  ASSERT_EQ(DecodeOptionsFields(bytes, read), OptionsDecoding::Complete);
  EXPECT_EQ(EncodeOptions(read), bytes);
  EXPECT_EQ(read.FileVersion, "2.119b");
  EXPECT_EQ(read.LogFileName, "/var/log/zeva.log");
  EXPECT_EQ(read.AnimStepHrs, std::numeric_limits<Real>::max());
  EXPECT_EQ(read.ObsStepHrs, std::numeric_limits<Real>::denorm_min());
  EXPECT_TRUE(std::signbit(read.NewtonCloudHrs));
  EXPECT_EQ(read.RoemerCloudHrs, 1.0_r / 3.0_r);
  EXPECT_EQ(UnscramblePassword(read.PasswordWords, read.PasswordLen), "Secret");
  EXPECT_FALSE(read.LoginRequired);
  EXPECT_TRUE(read.PrintColor);
}

TEST(OptionsFile, ShortAndLongFilesAreToldApartAndUnreadFieldsKeepTheirValues) {
  const std::vector<std::uint8_t> full = EncodeOptions(UnusualRecord());
  {
    OptsRec r;
    std::vector<std::uint8_t> b(full.begin(), full.end() - 1);  // 2382 bytes
    EXPECT_EQ(DecodeOptionsFields(b, r), OptionsDecoding::TooShort);
    EXPECT_EQ(r.RedSpotLong, -1.5f);   // read
    EXPECT_EQ(r.ZoneDiffHrs, 0.0f);    // cut off: keeps its value
  }
  {
    OptsRec r;
    std::vector<std::uint8_t> b = full;
    b.push_back(0);  // 2384 bytes
    EXPECT_EQ(DecodeOptionsFields(b, r), OptionsDecoding::TooLong);
    EXPECT_EQ(r.ZoneDiffHrs, 7.25f);
  }
  {
    OptsRec r;
    std::vector<std::uint8_t> b(full.begin(), full.begin() + 71);
    EXPECT_FALSE(DecodeOptionsVersion(b, r));
    EXPECT_EQ(r.FileVersion, "2.114");
  }
}

TEST(OptionsFile, APasswordLengthAbove16IsTakenAs16) {
  std::vector<std::uint8_t> b = EncodeOptions(OptsRec{});
  b[2304] = 200;
  OptsRec r;
  ASSERT_EQ(DecodeOptionsFields(b, r), OptionsDecoding::Complete);
  EXPECT_EQ(r.PasswordLen, 16);
  EXPECT_EQ(UnscramblePassword(r.PasswordWords, r.PasswordLen).size(), 16u);
}

TEST(Password, ScramblingComplementsEveryByteInPlace) {
  const struct { const char* text; std::uint8_t length; int words_used; } cases[] = {
      {"", 0, 0}, {"TARN", 4, 1}, {"Secret", 6, 2}, {"0123456789abcdef", 16, 4},
      {"0123456789abcdefOVERLONG", 16, 4},
  };
  for (const auto& c : cases) {
    std::array<std::uint32_t, 4> words{0x11111111, 0x22222222, 0x33333333, 0x44444444};
    std::uint8_t length = 99;
    ScramblePassword(c.text, words, length);
    EXPECT_EQ(length, c.length) << c.text;
    const std::string expected = std::string(c.text).substr(0, c.length);
    EXPECT_EQ(UnscramblePassword(words, length), expected) << c.text;
    for (std::size_t i = 0; i < c.length; ++i) {
      EXPECT_EQ(static_cast<std::uint8_t>(words[i / 4] >> (8 * (i % 4))),
                static_cast<std::uint8_t>(~expected[i]));
    }
    // Words past those the password needs are left alone.
    for (int w = c.words_used; w < 4; ++w) {
      EXPECT_EQ(words[static_cast<std::size_t>(w)], 0x11111111u * static_cast<unsigned>(w + 1));
    }
  }
}

TEST(Password, TheDefaultRecordHoldsTheFourCharacterDefault) {
  const OptsRec r;
  EXPECT_EQ(r.PasswordLen, 4);
  EXPECT_EQ(UnscramblePassword(r.PasswordWords, r.PasswordLen), kDefaultPassword);
}

TEST(OptionsVersion, OnlyTheFirstTwoDigitsAfterThePointCount) {
  const struct { const char* a; const char* b; bool compatible; } cases[] = {
      {"2.114", "2.114", true}, {"2.114", "2.11", true},  {"2.114", "2.119", true},
      {"2.114", "2.12", false}, {"2.114", "2.2", false},  {"2.114", "3.114", false},
      {"2.114", "", false},     {"25", "25x", true},      {"2.1", "2.1", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VersionsCompatible(c.a, c.b), c.compatible) << c.a << " / " << c.b;
  }
}

TEST(OptionsBackupName, FourCharactersFromTheFirstPointBecomeBak) {
  EXPECT_EQ(BackupFileNameFor("JUP_OPTS.INI"), "JUP_OPTS.BAK");
  EXPECT_EQ(BackupFileNameFor("OPTIONS"), "OPTIONS.BAK");
  EXPECT_EQ(BackupFileNameFor("a.b"), "a.BAK");
  EXPECT_EQ(BackupFileNameFor("my.opts.ini"), "mys.ini.BAK");
}

}  // namespace
}  // namespace jovi
