#include "measure/measurement_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "core/measurement_test_support.h"
#include "util/date_serial.h"
#include "util/real.h"

namespace jovi {
namespace {

MeasurementRecord Record(Real jd, std::array<float, 4> offsets,
                         std::array<bool, 4> included = {true, true, true, true}) {
  return test::MakeMeasurement(jd, offsets, included);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(MeasurementCsv, RecordLines) {
  struct Case {
    const char* name;
    MeasurementRecord record;
    const char* line;
  };
  const Case cases[] = {
      {"all measured", Record(2455260.75_r, {0.53f, -1.2f, 3.004f, -12.345f}),
       "2455260.75000,0.53,-1.20,3.00,-12.35"},
      {"missing values are empty fields, the last too",
       Record(2455260.5_r, {100.0f, 2.5f, 100.0f, 100.0f}), "2455260.50000,,2.50,,"},
      {"excluded values are starred and padded to 10",
       Record(2455261.0_r, {0.5f, -10.25f, 1.0f, 2.0f}, {false, false, true, true}),
       "2455261.00000,     0.50*,   -10.25*,1.00,2.00"},
  };
  for (const Case& c : cases) EXPECT_EQ(CsvRecordLine(c.record), c.line) << c.name;
}

TEST(MeasurementCsv, WrittenFileReadsBack) {
  DateTimeRec written;
  SetFromSerial(written, SerialFromCivil({2010, 3, 5, 14, 30, 0, 0}));
  const std::vector<MeasurementRecord> records = {
      Record(2455260.75_r, {0.53f, -1.2f, 3.004f, -12.345f}),
      Record(2455260.5_r, {100.0f, 2.5f, 100.0f, 100.0f}),
      Record(2455261.123456_r, {0.5f, -10.25f, 1.0f, 2.0f}, {false, false, true, true}),
  };
  const std::string text = CsvText(written, records);
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "Jupiter Satellite Measurements - 03-05-2010 14:30");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "Measurement unit is Jupiter diameters.");
  EXPECT_EQ(lines[3], "East is negative (-).");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "Julian Date,      Io,  Europa,Ganymede, Callisto");

  const std::vector<MeasurementRecord> back = ReadCsvRecords(lines);
  ASSERT_EQ(back.size(), records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_NEAR(static_cast<double>(back[i].JulianDay), static_cast<double>(records[i].JulianDay),
                0.5e-5);
    for (std::size_t m = 0; m < 4; ++m) {
      EXPECT_NEAR(back[i].Offset[m], records[i].Offset[m], 0.0051f) << i << "/" << m;
      EXPECT_EQ(back[i].Included[m], records[i].Included[m]) << i << "/" << m;
    }
  }
}

TEST(MeasurementCsv, ReadingOddLines) {
  const std::vector<std::string> lines = {
      "anything before the heading is skipped, 1, 2",
      "Julian Date,      Io,  Europa,Ganymede, Callisto\r",
      "",
      "2455260.5,,0.75",             // empty Io keeps Europa in its column; the rest missing
      ",1.00,2.00,3.00,4.00",        // no date: dated 0
      "not a date,abc,  -1.5 ,*2,",  // fields that are not numbers read as not measured
  };
  const std::vector<MeasurementRecord> r = ReadCsvRecords(lines);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].JulianDay, 2455260.5_r);
  EXPECT_EQ(r[0].Offset[0], kNoMeasurement);
  EXPECT_EQ(r[0].Offset[1], 0.75f);
  EXPECT_EQ(r[0].Offset[2], kNoMeasurement);
  EXPECT_EQ(r[0].Offset[3], kNoMeasurement);
  EXPECT_EQ(r[1].JulianDay, 0);
  EXPECT_EQ(r[1].Offset[3], 4.0f);
  EXPECT_EQ(r[2].JulianDay, 0);
  EXPECT_EQ(r[2].Offset[0], kNoMeasurement);
  EXPECT_EQ(r[2].Offset[1], -1.5f);
  EXPECT_EQ(r[2].Offset[2], 2.0f);
  EXPECT_FALSE(r[2].Included[2]);

  EXPECT_TRUE(ReadCsvRecords({"2455260.5,1,2,3,4", "no heading here"}).empty());
}

}  // namespace
}  // namespace jovi
