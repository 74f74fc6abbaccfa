// The light-time exercise's event list as a comma-separated file, for a spreadsheet and for
// loading back: a heading line, then one line per event in the list's order,
//
//   UT Date,UT Time,Julian Date,Event,Distance (AU),Distance (km)
//   2027/01/18,03:00:00,2461423.625,"Io is entering eclipse.",4.8512637421,7.25727E+08
//
// The Julian date (UT) and the distance in AU are written in their shortest round-trip form,
// so that a record reads back exactly; the date and time (to the second) and the distance in
// km are there for the reader and are not read back. The event text is always quoted, a quote
// in it doubled. Lines end in CR LF; LF alone and a leading UTF-8 byte-order mark are accepted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "measure/event_record.h"

namespace jovi {

inline constexpr const char* kEventCsvHeading =
    "UT Date,UT Time,Julian Date,Event,Distance (AU),Distance (km)";
// No list comes near this; a bigger file is refused unread.
inline constexpr std::size_t kMostEventCsvBytes = 8u << 20;

// The records of the list, first to last.
std::vector<EventRecord> EventRecords(const EventList& list);

// The file's text. Records keep the session's clock (DateTime is a local date-time serial), so
// `zone_hours` (UT minus local time) turns them into UT and back.
std::string EventCsvText(const std::vector<EventRecord>& records, float zone_hours);

// What a file's bytes gave: every record, or none and what is wrong ("line 3: ...").
struct EventCsvContent {
  std::vector<EventRecord> Records;
  std::string Error;
  bool Ok() const { return Error.empty(); }
};
EventCsvContent ReadEventCsv(std::string_view bytes, float zone_hours);

}  // namespace jovi
