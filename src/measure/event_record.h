// The light-time exercise's event records: the observation instant, the Earth-Jupiter distance
// at that instant and what the student saw ("Io is entering eclipse.").
#pragma once

#include <string>
#include <vector>

#include "astro/date_time.h"
#include "util/ordered_list.h"
#include "util/real.h"

namespace jovi {

inline constexpr std::size_t kEventTextLength = 80;
inline constexpr Real kKilometresInAU = 149597870.66_r;

struct EventRecord {
  double DateTime = 0;         // the instant's date-time serial (local clock of the session)
  std::string Event;           // at most 80 characters
  Real DistanceAU = 0;  // Earth-Jupiter distance
};

// The record's instant as a UT Julian date; `zone_hours` is the session's UT minus local time.
// The UT serial is rounded to a double first, as the session's UT labels take it.
inline Real EventJulianDate(const EventRecord& record, float zone_hours) {
  const auto ut_serial = static_cast<double>(record.DateTime + zone_hours / 24.0_r);
  return ut_serial + kSerialZeroJD;
}

// Records keep the order in which they were made; the list is never sorted.
struct EventOrder {
  static bool Equal(const EventRecord& a, const EventRecord& b) { return a.DateTime == b.DateTime; }
  static bool Greater(const EventRecord& a, const EventRecord& b) { return a.DateTime > b.DateTime; }
};
using EventList = OrderedList<EventRecord, EventOrder>;

// The choices offered for the event text.
inline const std::vector<std::string>& EventChoices() {
  static const std::vector<std::string> choices = {"Io is entering eclipse.",
                                                   "Io is leaving Eclipse."};
  return choices;
}

// What the event record dialog shows for an observation time (UT record of the session).
struct EventDialogFields {
  std::string JulianDate;  // 6 decimals
  std::string Date;        // YYYY/MM/DD, UT
  std::string Time;        // hh:mm:ss, UT
  std::string AU;          // 5 decimals
  std::string Km;          // "6.28825E+08"
};

// The record for an observation time, its distance from the phenomena calculator's routine.
EventRecord MakeEventRecord(const DateTimeRec& observation_time);
EventDialogFields DialogFields(const DateTimeRec& observation_time, const EventRecord& record);

// Appends a copy of the record with the event text (cut to 80 characters) after the last one.
void AppendEvent(EventList& list, EventRecord record, const std::string& event_text);
// The event text as a record keeps it: the first 80 characters (never half a UTF-8 character).
std::string EventTextOf(const std::string& typed);

// The session's time of a record (its local serial with the session's time-zone difference),
// from which the dialog's and the list's UT fields are made.
DateTimeRec EventSessionTime(const EventRecord& record, float zone_hours);

// "Event data recorded.  Select ..." shown after OK, and its caption.
std::string EventSavedText();
inline constexpr const char* kEventSavedCaption = "Event Data Saved";

// The event list window's lines: per record the instant, the distance, the event (when there
// is one) and an empty line. `zone_hours` is the session's time-zone difference.
std::vector<std::string> EventListLines(const EventList& list, float zone_hours);

// "6.28825E+08": six significant digits, a signed exponent of at least two digits.
std::string KilometresText(Real au);

}  // namespace jovi
