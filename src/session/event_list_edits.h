// The changes a student makes to the light-time exercise's event list after recording: an
// event's text corrected, a record deleted, the last such change undone; and the events a
// file adds to the list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "measure/event_record.h"

namespace jovi {

class EventListEdits {
 public:
  explicit EventListEdits(EventList& list) : list_(list) {}

  // The event text of record `index` (0 = the first), cut as Record cuts it. The instant and
  // the distance are what the telescope gave and are never edited. False, changing nothing,
  // for an index outside the list.
  bool SetText(int index, const std::string& text);
  // Deletes record `index`; the others keep their order. False for an index outside the list.
  bool Delete(int index);
  // Puts the list back as it was before the last SetText or Delete; once only.
  bool Undo();
  bool CanUndo() const { return before_.has_value(); }
  // Records were added or the list was replaced: the last change can no longer be undone.
  void Forget() { before_.reset(); }

 private:
  EventList& list_;
  std::optional<EventList> before_;
};

// Adds after the list's own records those of `records` the list does not hold yet (the same
// instant, distance and text), in their order; the number added.
int AddNewEvents(EventList& list, const std::vector<EventRecord>& records);

}  // namespace jovi
