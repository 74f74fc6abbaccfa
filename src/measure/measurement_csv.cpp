#include "measure/measurement_csv.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "util/float_chars.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kNotANumber = 100.0_r;

std::string Fixed(Real v, int decimals) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "%.*" JOVI_REAL_LEN "f", decimals, v);
  return buf;
}

std::string ValueField(float value, bool included) {
  if (!(value < kNoMeasurement)) return {};  // not measured (NaN included)
  std::string text = Fixed(value, 2);
  if (included) return text;
  text += '*';
  if (text.size() < 10) text.insert(0, 10 - text.size(), ' ');
  return text;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

Real DecimalOr100(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  Real v = 0;
  const auto [end, ec] = FloatFromChars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) {
    return kNotANumber;
  }
  return v;
}

}  // namespace

std::vector<std::string> CsvHeadingLines(const DateTimeRec& written) {
  return {
      "Jupiter Satellite Measurements - " + NumericDateText(written) + " " +
          TimeTextHM(written.LocalTime, 0, ":", ""),
      "",
      "Measurement unit is Jupiter diameters.",
      "East is negative (-).",
      "",
      "Julian Date,      Io,  Europa,Ganymede, Callisto",
  };
}

std::string CsvRecordLine(const MeasurementRecord& record) {
  std::string line = Fixed(record.JulianDay, 5);
  for (std::size_t m = 0; m < 4; ++m) {
    line += ',';
    line += ValueField(record.Offset[m], record.Included[m]);
  }
  return line;
}

std::string CsvText(const DateTimeRec& written, const std::vector<MeasurementRecord>& records) {
  std::string text;
  for (const std::string& line : CsvHeadingLines(written)) text += line + "\r\n";
  for (const MeasurementRecord& r : records) text += CsvRecordLine(r) + "\r\n";
  return text;
}

Real TakeCsvField(std::string& line, std::string_view separator, bool& included) {
  const std::size_t start = line.find_first_not_of(' ');
  line.erase(0, start == std::string::npos ? line.size() : start);
  const std::size_t end = line.find(separator);
  std::string field = line.substr(0, end);
  line.erase(0, end == std::string::npos ? line.size() : end + separator.size());
  included = true;
  if (field.empty()) return kNotANumber;
  if (const std::size_t star = field.find('*'); star != std::string::npos) {
    included = false;
    field.erase(star, 1);
  }
  return DecimalOr100(field);
}

bool ParseCsvRecord(std::string line, MeasurementRecord& record) {
  bool included = true;
  const Real date = TakeCsvField(line, ",", included);
  record.JulianDay = date == kNotANumber ? 0 : date;
  for (std::size_t m = 0; m < 4; ++m) {
    const Real v = TakeCsvField(line, ",", included);
    // A value a single cannot hold reads as not measured.
    record.Offset[m] = std::fabs(v) < 1.0e30_r ? static_cast<float>(v) : kNoMeasurement;
    record.Included[m] = included;
  }
  return true;
}

namespace {

// Takes the lines of a file one by one: records begin after the "Julian Date" heading line.
class CsvRecordReader {
 public:
  explicit CsvRecordReader(std::vector<MeasurementRecord>& records) : records_(records) {}
  void Line(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!heading_seen_) {
      heading_seen_ = line.find("Julian Date") != std::string_view::npos;
      return;
    }
    if (line.empty()) return;
    MeasurementRecord record;
    if (ParseCsvRecord(std::string(line), record)) records_.push_back(record);
  }

 private:
  std::vector<MeasurementRecord>& records_;
  bool heading_seen_ = false;
};

}  // namespace

std::vector<MeasurementRecord> ReadCsvRecords(const std::vector<std::string>& lines) {
  std::vector<MeasurementRecord> records;
  CsvRecordReader reader(records);
  for (const std::string& line : lines) reader.Line(line);
  return records;
}

bool ReadCsvText(std::string_view text, std::size_t most_records,
                 std::vector<MeasurementRecord>& records) {
  CsvRecordReader reader(records);
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    reader.Line(text.substr(0, end));
    if (records.size() > most_records) return false;
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return true;
}

}  // namespace jovi
