#include "measure/event_record.h"

#include <cstdio>

#include "astro/time_scales.h"
#include "phenomena/jupiter_phenomena.h"
#include "util/real.h"

namespace jovi {

namespace {

std::string Format(const char* format, Real value) {
  char buf[96];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

std::string TwoDigit(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

// The first `count` characters of UTF-8 text, never splitting a character.
std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool starts_character = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts_character && characters++ == count) return text.substr(0, i);
  }
  return text;
}

}  // namespace

std::string KilometresText(Real au) { return Format("%.5" JOVI_REAL_LEN "E", au * kKilometresInAU); }

EventRecord MakeEventRecord(const DateTimeRec& observation_time) {
  EventRecord record;
  record.DateTime = observation_time.Serial;
  record.DistanceAU = EarthJupiterDistanceAt(TDTFromUT(ToJD(observation_time)));
  return record;
}

EventDialogFields DialogFields(const DateTimeRec& observation_time, const EventRecord& record) {
  const DateTimeRec t = UniversalTime(observation_time);
  EventDialogFields f;
  f.JulianDate = JDText(t, 6);
  f.Date = std::to_string(t.Year) + "/" + TwoDigit(t.Month) + "/" + TwoDigit(t.Day);
  f.Time = TwoDigit(t.UTTime.Hour) + ":" + TwoDigit(t.UTTime.Minute) + ":" +
           TwoDigit(static_cast<int>(t.UTTime.Second));
  f.AU = Format("%.5" JOVI_REAL_LEN "f", record.DistanceAU);
  f.Km = KilometresText(record.DistanceAU);
  return f;
}

std::string EventTextOf(const std::string& typed) {
  return FirstCharacters(typed, kEventTextLength);
}

DateTimeRec EventSessionTime(const EventRecord& record, float zone_hours) {
  DateTimeRec session_time;
  session_time.ZoneOffset = zone_hours / 24.0_r;
  SetFromSerial(session_time, record.DateTime);
  return session_time;
}

void AppendEvent(EventList& list, EventRecord record, const std::string& event_text) {
  record.Event = EventTextOf(event_text);
  list.ItemAt(list.LastIndex());  // on the last record (no cursor when the list is empty)
  list.InsertAfterCursor(record);
}

std::string EventSavedText() {
  return "Event data recorded.  Select \"File\"->\"Observation Date\"->\r\n"
         "\"View/Print Saved Events\" from main menu to access.";
}

std::vector<std::string> EventListLines(const EventList& list, float zone_hours) {
  std::vector<std::string> lines;
  list.ForEach([&](const EventRecord& r) {
    const DateTimeRec t = UniversalTime(EventSessionTime(r, zone_hours));
    lines.push_back(LongDateText(t) + " " + TimeText(t.UTTime, 0, ":", ":", "") + " UT (JD: " +
                    JDText(t, 6) + ")");
    lines.push_back("Jupiter-Earth Distance: " + Format("%.5" JOVI_REAL_LEN "f", r.DistanceAU) + " AU (" +
                    KilometresText(r.DistanceAU) + " Km)");
    if (!r.Event.empty()) lines.push_back("Event: " + r.Event);
    lines.emplace_back();
  });
  return lines;
}

}  // namespace jovi
