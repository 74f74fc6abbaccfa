#include "session/event_csv.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "session/date_entry.h"
#include "util/float_chars.h"
#include "util/number_text.h"
#include "util/real.h"
#include "util/utf8_text.h"

namespace jovi {

namespace {

// Julian dates whose serials the calendar conversion holds (years about -4700..8000).
constexpr Real kLeastJD = 0.0_r;
constexpr Real kMostJD = 5.0e6_r;
// Wider than any Earth-Jupiter distance, narrow enough to catch a wrong column.
constexpr Real kLeastAU = 1.0_r;
constexpr Real kMostAU = 10.0_r;
constexpr std::size_t kFields = 6;

std::string Shortest(Real value) {
  char buf[64];
  const std::to_chars_result r = FloatToChars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

Real ZoneDays(float zone_hours) { return zone_hours / 24.0_r; }

// A line's fields, a quoted field's doubled quotes made single; nothing when a quote is not
// closed or a quoted field is followed by more than its comma.
std::optional<std::vector<std::string>> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t i = 0;
  for (;;) {
    std::string field;
    if (i < line.size() && line[i] == '"') {
      ++i;
      for (;;) {
        if (i >= line.size()) return std::nullopt;
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += line[i++];
      }
      if (i < line.size() && line[i] != ',') return std::nullopt;
    } else {
      const std::size_t comma = std::min(line.find(',', i), line.size());
      field.assign(line.substr(i, comma - i));
      i = comma;
    }
    fields.push_back(std::move(field));
    if (i >= line.size()) return fields;
    ++i;  // the comma
  }
}

// One record line; the reason when it is not one.
std::optional<EventRecord> ParseLine(std::string_view line, float zone_hours, std::string& why) {
  const auto fields = SplitFields(line);
  if (!fields) {
    why = "a quoted event text is not closed";
    return std::nullopt;
  }
  if (fields->size() != kFields) {
    why = "it has " + std::to_string(fields->size()) + " fields, not " + std::to_string(kFields);
    return std::nullopt;
  }
  const std::optional<Real> jd = ParseNumber((*fields)[2]);
  if (!jd || *jd < kLeastJD || *jd > kMostJD) {
    why = "\"" + (*fields)[2] + "\" is not a Julian date";
    return std::nullopt;
  }
  const std::optional<Real> au = ParseNumber((*fields)[4]);
  if (!au || *au < kLeastAU || *au > kMostAU) {
    why = "\"" + (*fields)[4] + "\" is not an Earth-Jupiter distance in AU";
    return std::nullopt;
  }
  EventRecord record;
  const auto ut_serial = static_cast<double>(*jd - kSerialZeroJD);
  record.DateTime = static_cast<double>(ut_serial - ZoneDays(zone_hours));
  record.DistanceAU = *au;
  record.Event = Utf8Prefix((*fields)[3], kEventTextLength);
  return record;
}

}  // namespace

std::vector<EventRecord> EventRecords(const EventList& list) {
  std::vector<EventRecord> records;
  list.ForEach([&](const EventRecord& r) { records.push_back(r); });
  return records;
}

std::string EventCsvText(const std::vector<EventRecord>& records, float zone_hours) {
  std::string text = std::string(kEventCsvHeading) + "\r\n";
  for (const EventRecord& r : records) {
    // Through the UT serial as the session's UT labels take it: 3h UT is written 2461423.625,
    // and the local serial comes back from it bit for bit.
    const Real jd = EventJulianDate(r, zone_hours);
    const CalendarText when = CalendarTextOf(jd);
    text += when.Date + "," + when.Time + "," + Shortest(jd) + "," + Quoted(r.Event) + "," +
            Shortest(r.DistanceAU) + "," + KilometresText(r.DistanceAU) + "\r\n";
  }
  return text;
}

EventCsvContent ReadEventCsv(std::string_view bytes, float zone_hours) {
  EventCsvContent content;
  if (bytes.size() > kMostEventCsvBytes) {
    content.Error = "it is far larger than any event list";
    return content;
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  bool heading = false;
  std::size_t number = 0;
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find('\n'), bytes.size());
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    if (!heading) {
      if (line != kEventCsvHeading) {
        content.Error = "it does not begin with the event list's heading line";
        return content;
      }
      heading = true;
      continue;
    }
    std::string why;
    std::optional<EventRecord> record = ParseLine(line, zone_hours, why);
    if (!record) {
      content.Records.clear();
      content.Error = "line " + std::to_string(number) + ": " + why;
      return content;
    }
    content.Records.push_back(std::move(*record));
  }
  if (!heading) content.Error = "it is empty";
  return content;
}

}  // namespace jovi
