// The light-time exercise's events on the page: the record dialog's fields at the telescope's
// time, Record Event, the list with its corrections, its .CSV file out and in, and the
// phenomena list near the observation time.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "analysis/residual_display.h"
#include "measure/event_record.h"
#include "phenomena/jupiter_phenomena.h"
#include "session/event_csv.h"
#include "session/event_list_edits.h"
#include "web/page_lab.h"

namespace jovi::web {
namespace {

using emscripten::val;

val FieldsValue(const EventDialogFields& f) {
  val out = val::object();
  out.set("julianDate", f.JulianDate);
  out.set("date", f.Date);
  out.set("time", f.Time);
  out.set("au", f.AU);
  out.set("km", f.Km);
  return out;
}

class EventLog {
 public:
  explicit EventLog(Lab& lab) : lab_(lab), edits_(events_) {}

  // The session's time-zone difference, which the records' instants are kept in.
  double zoneHours() const { return static_cast<double>(Zone()); }

  // What the record dialog shows at the telescope's time.
  val fields() const {
    const DateTimeRec& now = lab_.observationTime();
    return FieldsValue(DialogFields(now, MakeEventRecord(now)));
  }

  val choices() const { return val::array(EventChoices()); }
  std::size_t longestText() const { return kEventTextLength; }

  // Record Event's OK: the record at the telescope's time with the text; the list's size.
  int record(const std::string& text) {
    AppendEvent(events_, MakeEventRecord(lab_.observationTime()), text);
    edits_.Forget();
    return events_.Count();
  }

  // Every record, first to last, with the fields the record dialog showed and its text.
  val list() const {
    val out = val::array();
    const float zone = Zone();
    events_.ForEach([&](const EventRecord& r) {
      val item = FieldsValue(DialogFields(EventSessionTime(r, zone), r));
      item.set("text", r.Event);
      out.call<void>("push", item);
    });
    return out;
  }

  bool setText(int index, const std::string& text) { return edits_.SetText(index, text); }
  bool remove(int index) { return edits_.Delete(index); }
  bool undo() { return edits_.Undo(); }
  bool canUndo() const { return edits_.CanUndo(); }

  std::string csv() const { return EventCsvText(EventRecords(events_), Zone()); }

  // A .CSV file's text added to the list as the desktop's Load adds it: {error, added,
  // already}. A file with any fault changes nothing and says why.
  val importCsv(const std::string& text) {
    const EventCsvContent content = ReadEventCsv(text, Zone());
    val out = val::object();
    out.set("error", content.Error);
    if (!content.Ok()) return out;
    const int added = AddNewEvents(events_, content.Records);
    if (added > 0) edits_.Forget();
    out.set("added", added);
    out.set("already", static_cast<int>(content.Records.size()) - added);
    return out;
  }

  // The list the browser kept, every record of it (two recorded at one instant stay two);
  // false, leaving the list empty, when the text is not a usable event list.
  bool restore(const std::string& text) {
    const EventCsvContent content = ReadEventCsv(text, Zone());
    events_ = EventList();
    edits_.Forget();
    if (!content.Ok()) return false;
    for (const EventRecord& r : content.Records) AppendEvent(events_, r, r.Event);
    return true;
  }

  // The phenomena list's lines near the telescope's time.
  val phenomena() const {
    page::PagePrompter prompter;
    TJupPhenomObj phenomena(&prompter);
    phenomena.ComputePhenomena(lab_.observationTime());
    return val::array(phenomena.Lines());
  }

 private:
  float Zone() const { return static_cast<float>(lab_.observationTime().ZoneOffset * 24.0_r); }

  Lab& lab_;
  EventList events_;
  EventListEdits edits_;
};

// Whether a residual is larger than the one before it (NaN: there was none), as the orbit
// analysis colours its residual.
bool ResidualWorse(double rms, double previous) {
  Real before = previous;
  return ShowResidual(rms, before, false).Worse;
}

}  // namespace

EMSCRIPTEN_BINDINGS(jovitrack_page_events) {
  emscripten::function("residualWorse", &ResidualWorse);
  emscripten::class_<EventLog>("EventLog")
      .constructor<Lab&>()
      .function("zoneHours", &EventLog::zoneHours)
      .function("fields", &EventLog::fields)
      .function("choices", &EventLog::choices)
      .function("longestText", &EventLog::longestText)
      .function("record", &EventLog::record)
      .function("list", &EventLog::list)
      .function("setText", &EventLog::setText)
      .function("remove", &EventLog::remove)
      .function("undo", &EventLog::undo)
      .function("canUndo", &EventLog::canUndo)
      .function("csv", &EventLog::csv)
      .function("importCsv", &EventLog::importCsv)
      .function("restore", &EventLog::restore)
      .function("phenomena", &EventLog::phenomena);
}

}  // namespace jovi::web
