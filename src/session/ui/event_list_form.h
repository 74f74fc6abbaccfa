// TEventListForm1, "Event Data": the recorded events in a report viewer that can only be
// printed and closed. The list is never written to a file; printing is the way to keep it.
#pragma once

#include "measure/event_record.h"
#include "report/ui/info_list_form.h"

namespace jovi {

class TEventListForm1 : public TInfoListForm1 {
  Q_OBJECT

 public:
  TEventListForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                  QWidget* parent = nullptr);

  // Rebuilds the lines from the records (when there are any) and shows the window;
  // `zone_hours` is the session's time-zone difference.
  void ShowEvents(const EventList& events, float zone_hours);
};

}  // namespace jovi
